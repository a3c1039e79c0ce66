#pragma once

#include "history/Position.h"
#include "search/HitRanges.h"

#include <QObject>

class ChangesListModel;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableView;
class ShownHistory;
class VersionsList;

// Everything around the rows of lvChangesList: showing the chosen row in the wrap panel and its
// date in the status bar, marking the release that holds it, going to a line by its index,
// copying the selected rows and selecting them all (keys and context menu).
class ChangeSelection : public QObject
{
    Q_OBJECT

public:
    struct Widgets
    {
        QTableView *list = nullptr;
        ChangesListModel *model = nullptr;
        QPlainTextEdit *wrapPanel = nullptr;
        QLabel *datePanel = nullptr;
        VersionsList *versions = nullptr;
    };

    ChangeSelection(const Widgets &widgets, ShownHistory &shown, QObject *parent = nullptr);

    // The hits the wrap panel marks in the line it shows, as the list shows them in the rows.
    void setHighlight(const SearchHighlight &highlight);

    void ChangeRowClick(ListRow row);
    // Makes `row` the only selected and the current row, scrolls to it and shows it.
    void showRow(ListRow row);
    void GoToLine(LineIndex line);
    // Marks and returns the position in lvVersionsList of the release holding `line`; a line before
    // the first release leaves the current item as it is.
    int FindReleaseOfLine(LineIndex line);
    void MarkSearchText();
    void CopyRows();
    void SelectAllRows();

signals:
    // A line was brought into view to be read: the wrap panel should be showing.
    void wrapPanelWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createContextMenu();
    bool handleKey(const class QKeyEvent *event);

    Widgets m_w;
    ShownHistory &m_shown;
    SearchHighlight m_highlight;
    LineIndex m_shownLine; // the line the wrap panel shows, if any
    QObject *m_viewport = nullptr;
    QMenu *m_mnuContext = nullptr;
    bool m_selecting = false;
};
