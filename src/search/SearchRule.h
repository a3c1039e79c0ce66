#pragma once

#include "history/HistoryLines.h"

#include <QString>

// The options of a search, as the Find dialog passes them.
namespace SearchIn {
constexpr int Everywhere = 0;
constexpr int Additions = 1;
constexpr int Fixes = 2;
} // namespace SearchIn

// The text looked for: with whole words it must have a blank on each side, and nothing else
// (no trimming, no other word boundary) is done to it.
QString searchNeedle(const QString &text, int wholeWord);

// Whether a line may match at all under the "search in" option. A line matching both change
// patterns takes part in a search among fixes too; unknown options admit no line.
bool passesSearchIn(const HistoryLines &lines, LineIndex line, int searchIn);
