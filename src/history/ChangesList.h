#pragma once

#include "history/ChangeRows.h"
#include "history/HistoryDocument.h"

#include <vector>

// Which lines the changes list lets through; held by the toolbar's group buttons "b", "c", "d".
enum class ViewFilter { AllChanges, Additions, Fixes };

// Whether a line of this kind is listed under the filter (empty lines are the caller's rule).
inline bool passesViewFilter(ChangeKind kind, ViewFilter filter)
{
    return filter == ViewFilter::AllChanges ||
           (filter == ViewFilter::Additions && kind == ChangeKind::Addition) ||
           (filter == ViewFilter::Fixes && kind == ChangeKind::Fix);
}

// What the changes list shows. The texts of the rows' columns are made only when a view asks.
struct ChangesListContent
{
    ChangeRows rows;
    int AdditionCount = 0;
    int FixCount = 0;
    int selectedRow = -1; // 0-based row selected after the build, -1 for none
};

// What the list shows: "All" (releaseIndex -1) or one release, under a filter, in either order.
struct ChangesListRequest
{
    int releaseIndex = -1;
    ViewFilter filter = ViewFilter::AllChanges;
    bool reversed = false;
};

// `storage` is the line storage of a list no longer shown (see ChangeRows::takeStorage): a
// rebuild of a large view then writes into memory that is already there.
ChangesListContent BuildChangesList(const HistoryDocument &document, const ChangesListRequest &request,
                                    std::vector<LineIndex> storage = {});

// Status bar panel 1: "n Additions, m Fixes", "n Additions" or "m Fixes".
QString changesStatusText(ViewFilter filter, int additions, int fixes);
