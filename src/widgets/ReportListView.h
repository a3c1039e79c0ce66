#pragma once

#include <QTableView>

// A list of whole-row records drawn as a report: the changes list and the statistics lists.
// It behaves as such lists do on the desktop rather than as a grid of cells: Tab leaves the list
// for the next pane, Home and End go to the first and the last row, the arrow keys Left and Right
// scroll sideways, and choosing a row never scrolls sideways (a click on a wide last column would
// otherwise hide the columns before it). Rows are as tall as the list's font needs, bold included.
class ReportListView : public QTableView
{
    Q_OBJECT

public:
    explicit ReportListView(QWidget *parent = nullptr);

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // Widens a column, never narrowing it, so that the texts of its rows show whole.
    void widenToContents(int column);

    // Height of one row for a font: a bold line of it with room around, and at least a list icon.
    static int rowHeightFor(const QFont &font);

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitRowsToFont();
};
