#pragma once

#include "history/ChangesList.h"

#include <QString>

#include <vector>

// The changes list in search-results mode: the bold "Search Result:" header row, then one row per
// result the view filter lets through, newest line first when reversed. Empty lines never show
// here (they show only in the "All" view). Nothing is counted and nothing selected.
ChangesListContent listSearchResults(const HistoryDocument &document, const std::vector<LineIndex> &results,
                                     ViewFilter filter, bool reversed);

// Status bar panel 1 while results are shown, e.g. "12 instance(s) found".
QString instanceCountText(int instances);
