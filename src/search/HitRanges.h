#pragma once

#include "history/Position.h"

#include <QDebug>
#include <QString>
#include <QStringView>

#include <vector>

// Where a searched text stands in a line: characters [start, start + length) of the line's text.
struct HitRange
{
    qsizetype start = 0;
    qsizetype length = 0;

    bool operator==(const HitRange &) const = default;
};

QDebug operator<<(QDebug debug, const HitRange &range);

// Every place in `line` where the search finds `text`, left to right and never overlapping, by the
// search's own rule: letters without regard to case, and with whole words a blank on each side,
// which is not part of the range (one blank may stand between two hits). A line the search finds
// has at least one range, any other line none. An empty text is found nowhere.
std::vector<HitRange> hitRanges(QStringView line, const QString &text, bool wholeWord);

// What the changes list and the wrap panel show as hits: the text of the last search in every
// line listed by Find All, or in the one line Find Next went to.
struct SearchHighlight
{
    QString text; // empty: nothing is highlighted
    bool wholeWord = false;
    LineIndex line; // the line Find Next went to; none: every line listed

    bool appliesTo(LineIndex shownLine) const
    {
        return !text.isEmpty() && !shownLine.isNone() && (line.isNone() || line == shownLine);
    }
    bool operator==(const SearchHighlight &) const = default;
};
