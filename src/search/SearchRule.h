#pragma once

#include "history/HistoryLines.h"

#include <QString>

// Which lines a search may match: the Find dialog's "Search in:" choice.
enum class SearchIn {
    Everywhere = 0, // every line
    Additions = 1,  // lines matching the addition pattern
    Fixes = 2,      // lines matching the fix pattern
    Nowhere = -1,   // no line: what any other choice number stands for
};

// The choice as the Find dialog numbers and stores it (0, 1, 2); any other number is Nowhere.
SearchIn searchInFromNumber(int number);
inline int searchInNumber(SearchIn searchIn)
{
    return static_cast<int>(searchIn);
}

// The text looked for: with whole words it must have a blank on each side, and nothing else
// (no trimming, no other word boundary) is done to it.
QString searchNeedle(const QString &text, bool wholeWord);

// Whether a line may match at all under the "search in" choice. A line matching both change
// patterns takes part in a search among fixes too.
bool passesSearchIn(const HistoryLines &lines, LineIndex line, SearchIn searchIn);
