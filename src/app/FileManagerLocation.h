#pragma once

#include <QString>

#include <functional>

class cRegistry;

// Where the file manager's folder is announced.
inline const QString CommanderPathVariable = QStringLiteral("Commander_Path");
inline const QString UserInstallKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Ghisler\\Total Commander");
inline const QString MachineInstallKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Ghisler\\Total Commander");
inline const QString InstallDirValue = QStringLiteral("InstallDir");
// Section "Common": the folder last found, for runs where nothing announces it.
inline const QString TCInstallDirKey = QStringLiteral("TCInstallDir");

// Everything FindFileManagerDir consults, so that start-up hands in the real environment,
// registry and settings store, and tests hand in their own.
struct FileManagerDirSources
{
    QString missingValueMarker;
    QString environmentValue;     // "Commander_Path"; empty when not set
    QString userRegistryValue;    // the marker when absent
    QString machineRegistryValue; // the marker when absent
    std::function<QString(const QString &)> expandPath;
    std::function<QString(const QString &)> addBackslash;
    // Turns a Windows path of the file manager's own world (a registry value after expansion, or
    // the environment variable as a program started by the file manager under Wine inherits it)
    // into a folder of this system (cRegistry::LocalPath); none: as it is.
    std::function<QString(const QString &)> toLocalPath;
    // "TCInstallDir" of section "Common", read with the given default and written.
    std::function<QString(const QString &defaultValue)> readStoredDir;
    std::function<void(const QString &value)> writeStoredDir;
};

// The environment and both registry values, read through the given registry; the store and
// path routines are left for the caller to fill in.
FileManagerDirSources systemFileManagerDirSources(const cRegistry &registry,
                                                  const QString &missingValueMarker);

// The file manager's folder ending in a separator, or the marker when nothing knows it. The
// first of environment, user registry and machine registry that names a folder wins and is
// remembered as "TCInstallDir" in the form found on this system (each part in the case it has
// there, as findCaseBlind finds it), so that a later run without
// the registry finds it too; otherwise the remembered folder is used. An empty value names no
// folder (it would otherwise make the file system's root the file manager's folder).
QString FindFileManagerDir(const FileManagerDirSources &sources);

// True when the file system has an entry for path; any error counts as false.
bool FileExists(const QString &path);
