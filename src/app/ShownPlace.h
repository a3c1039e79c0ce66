#pragma once

#include "history/ChangeRows.h"
#include "history/ChangesView.h"
#include "history/HistoryDocument.h"

#include <QByteArray>
#include <QString>

// Where the user is in the history, taken before the file is read again and found again in what
// was read: the release by its label, the selected line by its text. Line numbers are no help
// there, since the file manager writes new lines above the old ones.
class ShownPlace
{
public:
    // Nothing shown yet: the place a newly opened history starts at.
    ShownPlace() = default;
    // `listed`: the changes of a release or of "All" are listed (or were, before a search), which
    // they are not in a history without releases until "All" is clicked. `rows` and `selected` are
    // what the changes list shows and its current row.
    static ShownPlace take(const HistoryDocument &document, const ChangesView &view, bool listed,
                           const ChangeRows &rows, ListRow selected);

    bool searchResultsShown() const { return m_mode == ChangesListMode::SearchResults; }
    // The new releases were listed (or were, before a search); kept while some are new.
    bool newShown() const { return m_newShown; }

    // Where to go in `document`, counted as 0 for "All" and p for release p - 1: "All" stays "All"; a
    // release is found by its label (of several releases with that label, the one nearest to
    // where it stood), else the first release is taken. With no release in the history, nothing
    // (-1), as after opening such a file.
    int positionIn(const HistoryDocument &document) const;

    // The row of `rows` showing a line with the selected line's text (of several, the one nearest
    // to the row selected before), or none when no row does.
    ListRow rowIn(const HistoryDocument &document, const ChangeRows &rows) const;

private:
    int m_position = -1; // 0 "All" (or the new releases), p release p - 1, -1 nothing
    bool m_newShown = false;
    QString m_releaseLabel;
    ChangesListMode m_mode = ChangesListMode::Changes;
    QByteArray m_selectedText; // null: no line was selected
    ListRow m_selectedRow;
};
