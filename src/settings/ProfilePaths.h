#pragma once

#include <QString>

// Stored paths carry placeholders so that a settings file moves with the program and the file
// manager: "pellavorin:\" stands for the program's folder, "%Commander_Path%" for the file manager's,
// and %NAME% for an environment variable. Both "\" and "/" are read as separators; what these
// routines build uses the native one. Values come from globals().

inline const QString ProgramDirPlaceholder = QStringLiteral("pellavorin:\\");
inline const QString FileManagerDirPlaceholder = QStringLiteral("%Commander_Path%");

// A stored path made usable: placeholders and environment variables replaced, separators made native.
QString ExpandPath(const QString &path);
// A path in its stored form, with the placeholders that globals().UnExpandPaths allows.
QString CollapsePath(const QString &path);
// The path up to and including its last separator; a path without one is returned unchanged.
QString FileDirectory(const QString &path);
// The path with a separator appended unless it already ends in one.
QString AddBackslash(const QString &path);
// %NAME% replaced by the variable's value; a variable that is not set stays as written.
QString expandEnvironmentReferences(const QString &text);
// globals().UnExpandPaths as stored text, held within 0 to 3 (text that is no number gives 0).
int clampUnExpandPaths(const QString &stored);

// Whether the program runs from where an installation put it, rather than from a build tree or a
// copy of its own: the program folder it was built to be installed in, or any folder under /usr.
bool isSystemProgramDir(const QString &appDir, const QString &installedBinDir);

// The settings file: the one named on the command line; else "velomir.ini" in the program's folder
// when it exists there, or when that folder can be written and is no system folder; else the same
// name in the per-user folder.
QString chooseIniFilePath(const QString &explicitPath, const QString &appDir, const QString &userConfigDir,
                          const QString &installedBinDir);
