#include "settings/SeenReleases.h"

#include "settings/ProfilePaths.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>

QString seenReleaseKey(const QString &filePath, const ProgramPaths &paths)
{
    const QString storedPath = CollapsePath(QFileInfo(filePath).absoluteFilePath(), paths);
    QString key;
    key.reserve(storedPath.size());
    for (const QChar c : storedPath) {
        if (c == u'%' || c == u'=' || c == u';' || c == u'[' || c == u']' || c.isSpace())
            key += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            key += c;
    }
    return key;
}

QString lastSeenReleaseLabel(SettingsStore &settings, const ProgramPaths &paths, const QString &filePath)
{
    if (filePath.isEmpty())
        return {};
    return settings.read(SectionLastSeenRelease, seenReleaseKey(filePath, paths), QString());
}

void rememberSeenRelease(SettingsStore &settings, const ProgramPaths &paths, const QString &filePath,
                         const QString &label)
{
    if (filePath.isEmpty())
        return;
    const QString key = seenReleaseKey(filePath, paths);
    if (label.isEmpty())
        settings.remove(SectionLastSeenRelease, key);
    else if (settings.read(SectionLastSeenRelease, key, QString()) != label)
        settings.write(SectionLastSeenRelease, key, label);
}
