#pragma once

#include "history/ChangesList.h"

// What selection and search ask of the main window that owns the lists: the commands that
// rebuild the changes list, and the list's mode.
class ChangesListShell
{
public:
    virtual ~ChangesListShell() = default;
    // The release click handling on a position of lvVersionsList; leaves search results.
    virtual void showVersionItem(int position) = 0;
    // View > All Changes: menu check, "b" pressed, list rebuilt.
    virtual void showAllChanges() = 0;
    virtual ViewFilter shownFilter() const = 0;
    // View > Wrap Panel, run only when the panel is hidden.
    virtual void openWrapPanel() = 0;
    // ChangesListMode is "1".
    virtual bool searchResultsShown() const = 0;
    // No release is shown as current any more and ChangesListMode becomes "1".
    virtual void enterSearchResults() = 0;
};
