#include "history/HistoryDocument.h"

#include <algorithm>

DetectionSettings DetectionSettings::fromStrings(const QString &VersionDetectStrings,
                                                 const QString &ChangeDetectStrings)
{
    return {VersionDetectStrings.split(u','), ChangeDetectStrings.split(u',')};
}

DetectionSettings DetectionSettings::defaults()
{
    return fromStrings(QStringLiteral("Release Total Commander,Release Windows Commander,New in version,"
                                      "Release Wincmd,Release Version 3.51"),
                       QStringLiteral("##.##.##*Added:*,##.##.##*Fixed:*"));
}

LineIndex HistoryDocument::lastLineOf(int releaseIndex) const
{
    const auto next = static_cast<std::size_t>(releaseIndex) + 1;
    return next < releases.size() ? releases[next].headerLine - 1 : lines.lastLineIndex();
}

int HistoryDocument::releaseOfLine(LineIndex line) const
{
    // Releases stand in file order, so the owner is the last header at or before the line.
    const auto after = std::upper_bound(releases.begin(), releases.end(), line,
                                        [](LineIndex l, const Release &r) { return l < r.headerLine; });
    return static_cast<int>(after - releases.begin()) - 1;
}

int HistoryDocument::releaseIndexOfKey(const QString &key) const
{
    for (std::size_t i = 0; i < releases.size(); ++i) {
        if (releases[i].key() == key)
            return static_cast<int>(i);
    }
    return -1;
}

QDebug operator<<(QDebug debug, const Release &release)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Release(" << release.key() << ", " << release.label << ')';
    return debug;
}
