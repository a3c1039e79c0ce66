#pragma once

#include "history/HistoryLines.h"
#include "search/SearchRule.h"

#include <QString>

// What the Find dialog asks of the search: the next match, every match, and where the lines end.
class Searcher
{
public:
    virtual ~Searcher() = default;
    // The line the next search starts at: the match's line + 1, or LastLineIndex + 2 when none matched.
    virtual LineIndex FindString(const QString &text, LineIndex startItem, SearchIn searchIn,
                                 bool wholeWord) = 0;
    virtual void FindAll(const QString &text, SearchIn searchIn, bool wholeWord) = 0;
    virtual LineIndex LastLineIndex() const = 0;
    // The search-in option last clicked, kept for the whole run whatever becomes of the dialog.
    virtual SearchIn &SearchInChoice() = 0;
};
