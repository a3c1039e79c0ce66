#pragma once

#include "history/ChangesList.h"

// The commands of the main window that owns the lists, which selection and search run. What the
// list shows is read from the main window's ChangesView, handed to them alongside.
class ChangesListShell
{
public:
    virtual ~ChangesListShell() = default;
    // The release click handling on a position of lvVersionsList; leaves search results.
    virtual void showVersionItem(int position) = 0;
    // View > All Changes: menu check, "b" pressed, list rebuilt.
    virtual void showAllChanges() = 0;
    // View > Wrap Panel, run only when the panel is hidden.
    virtual void openWrapPanel() = 0;
    // No release is shown as current any more and ChangesListMode becomes "1".
    virtual void enterSearchResults() = 0;
};
