#include "app/cRegistry.h"

#include "app/RegistryPlatform.h"
#include "settings/Globals.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<QLatin1String, RegistryRoot>, 6> rootNames{{
    {QLatin1String("HKEY_CLASSES_ROOT"), RegistryRoot::ClassesRoot},
    {QLatin1String("HKEY_CURRENT_USER"), RegistryRoot::CurrentUser},
    {QLatin1String("HKEY_LOCAL_MACHINE"), RegistryRoot::LocalMachine},
    {QLatin1String("HKEY_USERS"), RegistryRoot::Users},
    {QLatin1String("HKEY_CURRENT_CONFIG"), RegistryRoot::CurrentConfig},
    {QLatin1String("HKEY_DYN_DATA"), RegistryRoot::DynData},
}};

} // namespace

QString cRegistry::ReadValue(const QString &strValuePath, const QString &strValueName) const
{
    const qsizetype separator = strValuePath.indexOf(u'\\');
    const QString rootName = separator < 0 ? strValuePath : strValuePath.left(separator);
    const QString subKey = separator < 0 ? QString() : strValuePath.mid(separator + 1);
    for (const auto &[name, root] : rootNames) {
        if (rootName.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (std::optional<QString> value = readPlatformRegistryValue(root, subKey, strValueName))
            return *value;
        break;
    }
    return missingValueMarker();
}

QString cRegistry::LocalPath(const QString &strRegistryPath) const
{
    if (strRegistryPath.compare(missingValueMarker(), Qt::CaseInsensitive) == 0)
        return strRegistryPath;
    return platformRegistryPathToLocal(strRegistryPath);
}
