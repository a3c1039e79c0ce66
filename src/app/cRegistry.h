#pragma once

#include <QString>

// Read-only access to the system registry. Where there is no registry of its own (Linux), it
// is the registry of the Wine prefix; where there is none of that either, nothing is found.
class cRegistry
{
public:
    // strValuePath: a root name ("HKEY_CURRENT_USER", ...) followed by "\" and the subkey path.
    // strValueName: the value's name, empty for the key's default value.
    // Returns the value as text, or missingValueMarker() when the root is unknown or
    // the key or value is absent.
    QString ReadValue(const QString &strValuePath, const QString &strValueName) const;

    // A path read from this registry, as a path of this system's file system: under Wine
    // "C:\totalcmd" becomes the prefix's folder for it; on Windows the path is already local.
    // The marker and paths that cannot be mapped pass through unchanged.
    QString LocalPath(const QString &strRegistryPath) const;
};
