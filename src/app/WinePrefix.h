#pragma once

#include <QString>

// The Wine prefix that stands in for the registry and the drives of the Windows programs
// installed for this user: $WINEPREFIX, or ~/.wine when that is not set.
class WinePrefix
{
public:
    // The prefix named by the environment; an empty directory when that folder does not exist.
    static WinePrefix fromEnvironment();

    explicit WinePrefix(QString directory);

    [[nodiscard]] bool exists() const { return !m_directory.isEmpty(); }
    QString directory() const { return m_directory; }

    // The hive holding HKEY_CURRENT_USER and the one holding HKEY_LOCAL_MACHINE.
    QString userHivePath() const;
    QString machineHivePath() const;

    // "C:\totalcmd" -> <prefix>/dosdevices/c: (followed to its target, usually drive_c)
    // + "/totalcmd"; "C:/totalcmd" maps the same. A drive without a dosdevices entry maps only
    // for C:, to <prefix>/drive_c. The folders are found whatever their case, as Wine finds them
    // ("C:\PROGRAM FILES" is drive_c/Program Files).
    // A path without a drive letter, or a drive that is not known, is returned as it is.
    QString toLocalPath(const QString &windowsPath) const;

private:
    QString m_directory; // without a trailing separator
};
