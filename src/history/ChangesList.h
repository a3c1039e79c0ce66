#pragma once

#include "history/ChangeRows.h"
#include "history/ChangesView.h"
#include "history/HistoryDocument.h"

#include <vector>

// What the changes list shows. The texts of the rows' columns are made only when a view asks.
struct ChangesListContent
{
    ChangeRows rows;
    int AdditionCount = 0;
    int FixCount = 0;
    ListRow selectedRow; // the row selected after the build, or none
};

// `storage` is the line storage of a list no longer shown (see ChangeRows::takeStorage): a
// rebuild of a large view then writes into memory that is already there.
// The changes list of `view`'s release (or of "All") under its filter and order. A view of search
// results is listed by the search instead and gives no rows here.
ChangesListContent BuildChangesList(const HistoryDocument &document, const ChangesView &view,
                                    std::vector<LineIndex> storage = {});

// Status bar panel 1: "n Additions, m Fixes", "n Additions" or "m Fixes".
QString changesStatusText(ViewFilter filter, int additions, int fixes);

// The status bar's word on the releases new since last time: "1 new release since last time",
// "n new releases since last time"; empty for none.
QString newReleasesStatusText(int count);
