#pragma once

#include <QDebug>
#include <QString>

#include "history/ChangeKind.h"
#include "history/Position.h"

// Which lines the changes list lets through; held by the toolbar's group buttons "b", "c", "d".
enum class ViewFilter { AllChanges, Additions, Fixes };

// Whether a line of this kind is listed under the filter (empty lines are the caller's rule).
inline bool passesViewFilter(ChangeKind kind, ViewFilter filter)
{
    return filter == ViewFilter::AllChanges ||
           (filter == ViewFilter::Additions && kind == ChangeKind::Addition) ||
           (filter == ViewFilter::Fixes && kind == ChangeKind::Fix);
}

// ChangesListMode: the changes of a release or of "All", or the results of the last Find All.
enum class ChangesListMode { Changes, SearchResults };

// The mode as the list stores it: "0" for changes, "1" for search results.
inline QString changesListModeText(ChangesListMode mode)
{
    return mode == ChangesListMode::SearchResults ? QStringLiteral("1") : QStringLiteral("0");
}

// What the changes list shows: the changes of one release or of "All", or the search results; under
// which filter; in file order or reversed. The main window owns one and hands it to what reads it.
struct ChangesView
{
    static constexpr ReleaseIndex All{}; // no one release: every line of the history

    ReleaseIndex releaseIndex = All; // the release whose changes are listed, or All; kept while results show
    ViewFilter filter = ViewFilter::AllChanges;
    bool reversed = false; // "ReversedList"
    ChangesListMode mode = ChangesListMode::Changes;

    // AllSelected: "All" is the current item of the releases list.
    bool allSelected() const { return mode == ChangesListMode::Changes && releaseIndex == All; }
    bool searchResultsShown() const { return mode == ChangesListMode::SearchResults; }

    bool operator==(const ChangesView &) const = default;
};

QDebug operator<<(QDebug debug, const ChangesView &view);

// Where a release stands in the releases list: "All" at position 0 for none, then each release one
// place below its index.
inline int releasesListPosition(ReleaseIndex release)
{
    return release.value() + 1;
}
inline ReleaseIndex releaseAtListPosition(int position)
{
    return ReleaseIndex(position - 1);
}
