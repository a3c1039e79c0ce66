#include <QtGlobal>

#ifndef Q_OS_WIN

#include "app/RegistryPlatform.h"
#include "app/WinePrefix.h"
#include "app/WineRegistryFile.h"

std::optional<QString> readPlatformRegistryValue(RegistryRoot root, const QString &subKey,
                                                 const QString &valueName)
{
    const WinePrefix prefix = WinePrefix::fromEnvironment();
    QString hive;
    if (root == RegistryRoot::CurrentUser)
        hive = prefix.userHivePath();
    else if (root == RegistryRoot::LocalMachine)
        hive = prefix.machineHivePath();
    if (hive.isEmpty())
        return std::nullopt;
    return WineRegistryFile::fromFile(hive).value(subKey, valueName);
}

QString platformRegistryPathToLocal(const QString &registryPath)
{
    return WinePrefix::fromEnvironment().toLocalPath(registryPath);
}

#endif
