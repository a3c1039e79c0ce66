#pragma once

#include "history/ChangesList.h"
#include "search/SearchRule.h"

#include <QString>

#include <optional>
#include <vector>

// The lines listed by the last "Find All" (SearchResultLines), always in ascending line order,
// and the two listings made from them: the one the search itself shows and the re-listing after
// a change of filter, order or display settings.
class SearchResults
{
public:
    // Lists every match under the header with "All changes" in force (the search presses "b"),
    // keeps the lines listed, and selects the first result, or the header when nothing matched.
    // A search that finds nothing also empties the kept lines, so that a later re-listing never
    // shows an earlier search's matches under the new one's header.
    ChangesListContent findAll(const HistoryDocument &document, const QString &text, SearchIn searchIn,
                               bool wholeWord, bool reversed);

    ChangesListContent relist(const HistoryDocument &document, ViewFilter filter, bool reversed) const;

    // Runs the last "Find All" again over `document` (the history read again), with its text and
    // options, and keeps the lines it finds; nothing happens before a first "Find All".
    void searchAgain(const HistoryDocument &document);

    const std::vector<LineIndex> &SearchResultLines() const { return m_lines; }

    // Rows below the header: the count the status bar shows.
    static int instanceCount(const ChangesListContent &content)
    {
        return content.rows.empty() ? 0 : content.rows.size() - 1;
    }

private:
    struct Query
    {
        QString text;
        SearchIn searchIn = SearchIn::Everywhere;
        bool wholeWord = false;
    };

    std::vector<LineIndex> m_lines;
    std::optional<Query> m_query; // the last "Find All", found something or not
};
