#include "app/FileManagerLocation.h"

#include "app/cRegistry.h"
#include "settings/CaseBlindPath.h"

#include <QFileInfo>

FileManagerDirSources systemFileManagerDirSources(const cRegistry &registry,
                                                  const QString &missingValueMarker)
{
    FileManagerDirSources sources;
    sources.missingValueMarker = missingValueMarker;
    sources.environmentValue = qEnvironmentVariable(qPrintable(CommanderPathVariable));
    sources.userRegistryValue = registry.ReadValue(UserInstallKey, InstallDirValue);
    sources.machineRegistryValue = registry.ReadValue(MachineInstallKey, InstallDirValue);
    sources.toLocalPath = [registry](const QString &path) { return registry.LocalPath(path); };
    return sources;
}

QString FindFileManagerDir(const FileManagerDirSources &sources)
{
    const auto isMarker = [&](const QString &value) {
        return value.compare(sources.missingValueMarker, Qt::CaseInsensitive) == 0;
    };
    // Every source names the folder as Windows would, whatever the case of its parts.
    const auto toLocal = [&](const QString &path) {
        return findCaseBlind(sources.toLocalPath ? sources.toLocalPath(path) : path);
    };
    // Expanding makes the separators native, so the drive mapping after it takes either one.
    const auto fromRegistry = [&](const QString &value) {
        if (value.isEmpty() || isMarker(value))
            return QString();
        return toLocal(sources.expandPath(value));
    };

    QString found = sources.environmentValue.isEmpty() ? QString() : toLocal(sources.environmentValue);
    if (found.isEmpty())
        found = fromRegistry(sources.userRegistryValue);
    if (found.isEmpty())
        found = fromRegistry(sources.machineRegistryValue);
    if (!found.isEmpty()) {
        sources.writeStoredDir(found);
        return sources.addBackslash(found);
    }

    const QString stored = sources.readStoredDir(sources.missingValueMarker);
    if (stored.isEmpty() || isMarker(stored))
        return sources.missingValueMarker;
    return sources.addBackslash(findCaseBlind(sources.expandPath(stored)));
}

bool FileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}
