#include "search/SearchResultsList.h"

#include <algorithm>

ChangesListContent listSearchResults(const HistoryDocument &document, const std::vector<LineIndex> &results,
                                     ViewFilter filter, bool reversed)
{
    std::vector<LineIndex> listed;
    listed.reserve(results.size());
    const HistoryLines &lines = document.lines;
    auto add = [&](LineIndex line) {
        if (!lines.contains(line) || lines.isEmpty(line) || !passesViewFilter(lines.kind(line), filter))
            return;
        listed.push_back(line);
    };
    if (reversed)
        std::for_each(results.rbegin(), results.rend(), add);
    else
        std::for_each(results.begin(), results.end(), add);
    // The "Search Result:" header stays on top in either order.
    ChangesListContent content;
    content.rows = ChangeRows::listed(std::move(listed), false, ChangeRows::HeaderPlace::Top, NoLine);
    return content;
}

QString instanceCountText(int instances)
{
    return QString::number(instances) + QStringLiteral(" instance(s) found");
}
