#pragma once

#include <QString>

// Stored paths carry placeholders so that a settings file moves with the program and the file
// manager: "pellavorin:\" stands for the program's folder, "%Commander_Path%" for the file manager's,
// and %NAME% for an environment variable. Both "\" and "/" are read as separators; what these
// routines build uses the native one.

inline const QString ProgramDirPlaceholder = QStringLiteral("pellavorin:\\");
inline const QString FileManagerDirPlaceholder = QStringLiteral("%Commander_Path%");

// Where the program and its settings are, fixed at start and held by the application for the run:
// the program's folder and the file manager's (each ending in a separator; the latter empty until
// found), the settings file in use, and which placeholders a stored path may carry (UnExpandPaths:
// bit 1 the program's folder, bit 2 the file manager's).
struct ProgramPaths
{
    QString AppDir;
    QString IniFilePath;
    QString FileManagerDir;
    int UnExpandPaths = 3;
};

// A stored path made usable: placeholders and environment variables replaced, separators made native.
QString ExpandPath(const QString &path, const ProgramPaths &paths);
// A path in its stored form, with the placeholders that paths.UnExpandPaths allows.
QString CollapsePath(const QString &path, const ProgramPaths &paths);
// The path up to and including its last separator; a path without one is returned unchanged.
QString FileDirectory(const QString &path);
// The path with a separator appended unless it already ends in one.
QString AddBackslash(const QString &path);
// %NAME% replaced by the variable's value; a variable that is not set stays as written.
QString expandEnvironmentReferences(const QString &text);
// UnExpandPaths as stored text, held within 0 to 3 (text that is no number gives 0).
int clampUnExpandPaths(const QString &stored);

// Whether the program runs from where an installation put it, rather than from a build tree or a
// copy of its own: the program folder it was built to be installed in, or any folder under /usr.
bool isSystemProgramDir(const QString &appDir, const QString &installedBinDir);

// The settings file: the one named on the command line; else "velomir.ini" in the program's folder
// when it exists there, or when that folder can be written and is no system folder; else the same
// name in the per-user folder.
QString chooseIniFilePath(const QString &explicitPath, const QString &appDir, const QString &userConfigDir,
                          const QString &installedBinDir);
