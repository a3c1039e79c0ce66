#pragma once

#include "history/HistoryDocument.h"

#include <vector>

// Which lines the changes list lets through; held by the toolbar's group buttons "b", "c", "d".
enum class ViewFilter { AllChanges, Additions, Fixes };

// Whether a line of this kind is listed under the filter (empty lines are the caller's rule).
inline bool passesViewFilter(ChangeKind kind, ViewFilter filter)
{
    return filter == ViewFilter::AllChanges || (filter == ViewFilter::Additions && kind == ChangeKind::Addition) ||
           (filter == ViewFilter::Fixes && kind == ChangeKind::Fix);
}

// One row of the changes list: the line it shows and how it is drawn. The texts of its columns
// are made only when a view asks for them.
struct ChangeRow
{
    LineIndex line = -1; // -1: the "Search Result:" header row, which shows no line
    bool bold = false;
    bool header = false; // the release's own header row, or the search header row
    bool operator==(const ChangeRow &) const = default;
};

struct ChangesListContent
{
    std::vector<ChangeRow> rows;
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

ChangesListContent BuildChangesList(const HistoryDocument &document, const ChangesListRequest &request);

// Status bar panel 1: "n Additions, m Fixes", "n Additions" or "m Fixes".
QString changesStatusText(ViewFilter filter, int additions, int fixes);
