#include "settings/CaseBlindPath.h"

#include <QDir>
#include <QFileInfo>

QString findCaseBlind(const QString &path)
{
#ifdef Q_OS_WIN
    return path;
#else
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QStringList parts = path.split(u'/');
    QString found; // the parts resolved so far, each followed by "/"
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        const bool last = i + 1 == parts.size();
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            QFileInfo::exists(found + part)) {
            found += last ? part : part + u'/';
            continue;
        }
        QString match;
        const QStringList names =
            QDir(found.isEmpty() ? QStringLiteral(".") : found)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                           QDir::Unsorted);
        for (const QString &name : names) {
            if (name.compare(part, Qt::CaseInsensitive) == 0 && (match.isEmpty() || name < match))
                match = name;
        }
        if (match.isEmpty())
            return path;
        found += last ? match : match + u'/';
    }
    return found;
#endif
}
