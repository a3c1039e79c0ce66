#pragma once

#include "history/HistoryLines.h"
#include "search/SearchRule.h"

#include <QString>

class TextFinder;

#include <vector>

// Searches every line of the history, whatever is shown. A line matches when the needle (the
// text, or the text between two blanks with whole words) occurs in it, letters without regard
// to case, and the line takes part under `searchIn`.

// The first matching line from `start` on, or none. Never wraps; a start past the last line tests
// nothing, a negative start begins at the first line.
LineIndex findNext(const HistoryLines &lines, const QString &text, LineIndex start, SearchIn searchIn,
                   bool wholeWord);

// The same with the needle's finder made once, for searches repeated with one text: a matching
// line is one the finder finds in it.
LineIndex findNext(const HistoryLines &lines, const TextFinder &finder, LineIndex start, SearchIn searchIn);

// Every matching line, in ascending order.
std::vector<LineIndex> findAll(const HistoryLines &lines, const QString &text, SearchIn searchIn,
                               bool wholeWord);
std::vector<LineIndex> findAll(const HistoryLines &lines, const TextFinder &finder, SearchIn searchIn);
