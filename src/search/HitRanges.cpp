#include "search/HitRanges.h"

#include "search/SearchRule.h"

QDebug operator<<(QDebug debug, const HitRange &range)
{
    const QDebugStateSaver saver(debug);
    debug.nospace() << '[' << range.start << ", +" << range.length << ')';
    return debug;
}

std::vector<HitRange> hitRanges(QStringView line, const QString &text, bool wholeWord)
{
    std::vector<HitRange> ranges;
    if (text.isEmpty())
        return ranges;
    // The same comparison as the search's on a decoded line, so both find the same places.
    const QString needle = searchNeedle(text, wholeWord);
    const qsizetype blank = wholeWord ? 1 : 0;
    for (qsizetype at = line.indexOf(needle, 0, Qt::CaseInsensitive); at >= 0;
         at = line.indexOf(needle, at + blank + text.size(), Qt::CaseInsensitive))
        ranges.push_back(HitRange{at + blank, text.size()});
    return ranges;
}
