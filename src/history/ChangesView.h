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
    // "New since last time": with releaseIndex All, the releases above this one (the one seen last)
    // are listed as "All" lists every line; none for every line. Kept while results show.
    ReleaseIndex lastSeen{};

    // AllSelected: "All" is the current item of the releases list.
    bool allSelected() const
    {
        return mode == ChangesListMode::Changes && releaseIndex == All && lastSeen.isNone();
    }
    // "New since last time" is the current item.
    bool newSelected() const
    {
        return mode == ChangesListMode::Changes && releaseIndex == All && !lastSeen.isNone();
    }
    bool searchResultsShown() const { return mode == ChangesListMode::SearchResults; }

    bool operator==(const ChangesView &) const = default;
};

QDebug operator<<(QDebug debug, const ChangesView &view);

// Where each item stands in the releases list: "All" at position 0, then "New since last time" while
// some releases are new, then each release in file order.
struct ReleasesListPlaces
{
    bool newItem = false;

    int newPosition() const { return newItem ? 1 : -1; }
    int positionOf(ReleaseIndex release) const
    {
        return release.isNone() ? 0 : release.value() + 1 + newItem;
    }
    // The item a view makes current: "All", "New since last time" or its release.
    int positionOf(const ChangesView &view) const
    {
        return view.releaseIndex.isNone() && !view.lastSeen.isNone() && newItem
                   ? 1
                   : positionOf(view.releaseIndex);
    }
    // The release at a position; none for "All" and for "New since last time".
    ReleaseIndex releaseAt(int position) const
    {
        return position <= newPosition() ? ChangesView::All : ReleaseIndex(position - 1 - int(newItem));
    }
};
