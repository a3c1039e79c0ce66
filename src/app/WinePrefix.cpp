#include "app/WinePrefix.h"

#include "settings/CaseBlindPath.h"

#include <QDir>
#include <QFileInfo>

WinePrefix WinePrefix::fromEnvironment()
{
    QString directory = qEnvironmentVariable("WINEPREFIX");
    if (directory.isEmpty())
        directory = QDir::homePath() + QStringLiteral("/.wine");
    return WinePrefix(QFileInfo(directory).isDir() ? directory : QString());
}

WinePrefix::WinePrefix(QString directory)
    : m_directory(std::move(directory))
{
    while (m_directory.size() > 1 && m_directory.endsWith(u'/'))
        m_directory.chop(1);
}

QString WinePrefix::userHivePath() const
{
    return exists() ? m_directory + QStringLiteral("/user.reg") : QString();
}

QString WinePrefix::machineHivePath() const
{
    return exists() ? m_directory + QStringLiteral("/system.reg") : QString();
}

QString WinePrefix::toLocalPath(const QString &windowsPath) const
{
    // Either separator: a value written with "/", or one that has already been expanded, which
    // makes the separators native.
    const bool hasDrive = windowsPath.size() >= 2 && windowsPath[1] == u':' && windowsPath[0].isLetter() &&
                          windowsPath[0].unicode() < 128 &&
                          (windowsPath.size() == 2 || windowsPath[2] == u'\\' || windowsPath[2] == u'/');
    if (!exists() || !hasDrive)
        return windowsPath;

    const QString drive = windowsPath.left(2).toLower();
    const QFileInfo device(m_directory + QStringLiteral("/dosdevices/") + drive);
    QString root;
    if (device.exists())
        root = device.canonicalFilePath();
    else if (device.isSymLink()) // a drive whose target is gone: keep the link's own path
        root = device.filePath();
    else if (drive == QLatin1String("c:") && QFileInfo(m_directory + QStringLiteral("/drive_c")).isDir())
        root = m_directory + QStringLiteral("/drive_c");
    else
        return windowsPath;

    if (root.endsWith(u'/'))
        root.chop(1); // z: is usually "/" itself
    QString rest = windowsPath.mid(2);
    rest.replace(u'\\', u'/');
    if (rest.isEmpty())
        rest = QStringLiteral("/");
    // Wine finds each part of a path whatever its case, and so must we.
    return findCaseBlind(root + rest);
}
