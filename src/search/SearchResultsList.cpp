#include "search/SearchResultsList.h"

#include <algorithm>

ChangesListContent listSearchResults(const HistoryDocument &document, const std::vector<LineIndex> &results,
                                     ViewFilter filter, bool reversed)
{
    ChangesListContent content;
    content.rows.reserve(results.size() + 1);
    content.rows.push_back(ChangeRow{-1, true, true});
    const HistoryLines &lines = document.lines;
    auto add = [&](LineIndex line) {
        if (line < 0 || line >= lines.size() || lines.isEmpty(line) ||
            !passesViewFilter(lines.kind(line), filter))
            return;
        content.rows.push_back(ChangeRow{line, false, false});
    };
    if (reversed)
        std::for_each(results.rbegin(), results.rend(), add);
    else
        std::for_each(results.begin(), results.end(), add);
    return content;
}

QString instanceCountText(int instances)
{
    return QString::number(instances) + QStringLiteral(" instance(s) found");
}
