#include "search/SearchResults.h"

#include "search/LineSearch.h"
#include "search/SearchResultsList.h"

#include <algorithm>

ChangesListContent SearchResults::findAll(const HistoryDocument &document, const QString &text,
                                          SearchIn searchIn, bool wholeWord, bool reversed)
{
    m_query = Query{text, searchIn, wholeWord};
    ChangesListContent content = listSearchResults(
        document, ::findAll(document.lines, text, searchIn, wholeWord), ViewFilter::AllChanges, reversed);
    // Keep what was listed (a matching empty line is not), in ascending order whatever the
    // order shown.
    m_lines.clear();
    const int rowCount = content.rows.size();
    m_lines.reserve(static_cast<std::size_t>(rowCount));
    for (ListRow row(1); content.rows.contains(row); ++row)
        m_lines.push_back(content.rows.lineAt(row));
    if (reversed)
        std::reverse(m_lines.begin(), m_lines.end());
    content.selectedRow = ListRow(rowCount > 1 ? 1 : 0);
    return content;
}

ChangesListContent SearchResults::relist(const HistoryDocument &document, ViewFilter filter,
                                         bool reversed) const
{
    return listSearchResults(document, m_lines, filter, reversed);
}

void SearchResults::searchAgain(const HistoryDocument &document)
{
    if (!m_query)
        return;
    const Query query = *m_query;
    (void)findAll(document, query.text, query.searchIn, query.wholeWord, false);
}
