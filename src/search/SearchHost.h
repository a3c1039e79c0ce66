#pragma once

#include "history/HistoryLines.h"
#include "search/SearchRule.h"

#include <QString>

// What the Find dialog needs of the main window.
class SearchHost
{
public:
    virtual ~SearchHost() = default;
    // The line the next search starts at: the match's line + 1, or LastLineIndex + 2 when none matched.
    virtual LineIndex FindString(const QString &text, LineIndex startItem, SearchIn searchIn,
                                 bool wholeWord) = 0;
    virtual void FindAll(const QString &text, SearchIn searchIn, bool wholeWord) = 0;
    virtual LineIndex LastLineIndex() const = 0;
    // The search-in option last clicked, kept for the whole run whatever becomes of the dialog.
    virtual SearchIn &SearchInChoice() = 0;
    virtual void focusChangesList() = 0;
    virtual void setFindNextEnabled(bool enabled) = 0;
};
