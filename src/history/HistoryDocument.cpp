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

LineIndex HistoryDocument::lastLineOf(ReleaseIndex release) const
{
    const std::size_t next = (release + 1).at();
    return next < releases.size() ? releases[next].headerLine - 1 : lines.lastLineIndex();
}

ReleaseIndex HistoryDocument::releaseOfLine(LineIndex line) const
{
    // Releases stand in file order, so the owner is the last header at or before the line.
    const auto after = std::upper_bound(releases.begin(), releases.end(), line,
                                        [](LineIndex l, const Release &r) { return l < r.headerLine; });
    return ReleaseIndex(static_cast<int>(after - releases.begin()) - 1);
}

ReleaseIndex HistoryDocument::releaseIndexOfKey(const QString &key) const
{
    for (std::size_t i = 0; i < releases.size(); ++i) {
        if (releases[i].key() == key)
            return ReleaseIndex(static_cast<int>(i));
    }
    return {};
}

ReleaseIndex HistoryDocument::releaseIndexOfLabel(const QString &label) const
{
    for (std::size_t i = 0; i < releases.size() && !label.isEmpty(); ++i) {
        if (releases[i].label == label)
            return ReleaseIndex(static_cast<int>(i));
    }
    return {};
}

QDebug operator<<(QDebug debug, const Release &release)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Release(" << release.key() << ", " << release.label << ')';
    return debug;
}
