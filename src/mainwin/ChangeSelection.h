#pragma once

#include "history/ChangesView.h"
#include "history/HistoryDocument.h"

#include <QObject>

class ChangesListModel;
class ChangesListShell;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableView;
class SearchTextSource;
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

    ChangeSelection(const Widgets &widgets, const HistoryDocument &document, const ChangesView &view,
                    ChangesListShell &shell, QObject *parent = nullptr);

    // Null: nothing is marked in the wrap panel.
    void setSearchTextSource(const SearchTextSource *source) { m_searchText = source; }

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createContextMenu();
    bool handleKey(const class QKeyEvent *event);

    Widgets m_w;
    const HistoryDocument &m_document;
    const ChangesView &m_view;
    ChangesListShell &m_shell;
    const SearchTextSource *m_searchText = nullptr;
    QObject *m_viewport = nullptr;
    QMenu *m_mnuContext = nullptr;
    bool m_selecting = false;
    qsizetype m_shownLineLength =
        0; // characters of the wrap panel that are the line's own, before any cut marker
};
