#pragma once

#include "history/HistoryLines.h"

#include <QString>

#include <vector>

// Searches every line of the history, whatever is shown. A line matches when the needle (the
// text, or the text between two blanks with whole words) occurs in it, letters without regard
// to case, and the line takes part under `searchIn` (0 everywhere, 1 additions, 2 fixes).

// The first matching line from `start` on, or -1. Never wraps; a start past the last line tests
// nothing, a negative start begins at the first line.
LineIndex findNext(const HistoryLines &lines, const QString &text, LineIndex start, int searchIn,
                   int wholeWord);

// Every matching line, in ascending order.
std::vector<LineIndex> findAll(const HistoryLines &lines, const QString &text, int searchIn, int wholeWord);

// findNext in the main window's terms: the match's index + 1 (where the next search starts),
// or lastLineIndex() + 2 when nothing matched, so any result above size() means "not found".
int findStringResult(const HistoryLines &lines, const QString &text, LineIndex start, int searchIn,
                     int wholeWord);
