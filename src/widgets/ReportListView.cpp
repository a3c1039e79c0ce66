#include "widgets/ReportListView.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int RowPadding = 4; // pixels above and below the text together
constexpr int IconPixels = 16;
} // namespace

ReportListView::ReportListView(QWidget *parent)
    : QTableView(parent)
{
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    // Every row is one line of text: a fixed height lets the view skip measuring rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    fitRowsToFont();
}

int ReportListView::rowHeightFor(const QFont &font)
{
    QFont bold = font;
    bold.setBold(true);
    const int text = std::max(QFontMetrics(font).height(), QFontMetrics(bold).height());
    return std::max(text, IconPixels) + RowPadding;
}

void ReportListView::widenToContents(int column)
{
    setColumnWidth(column, std::max(columnWidth(column), sizeHintForColumn(column)));
}

void ReportListView::fitRowsToFont()
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeightFor(font()));
}

void ReportListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitRowsToFont();
}

void ReportListView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Rows are chosen, not cells: bring the row into view and leave the sideways scroll alone.
    QScrollBar *sideways = horizontalScrollBar();
    const int kept = sideways->value();
    QTableView::scrollTo(index, hint);
    sideways->setValue(kept);
}

QModelIndex ReportListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QAbstractItemModel *list = model();
    if (!list || list->rowCount(rootIndex()) == 0)
        return QTableView::moveCursor(cursorAction, modifiers);
    const int column = std::max(currentIndex().column(), 0);
    switch (cursorAction) {
    case MoveHome:
        return list->index(0, column, rootIndex());
    case MoveEnd:
        return list->index(list->rowCount(rootIndex()) - 1, column, rootIndex());
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

void ReportListView::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        horizontalScrollBar()->triggerAction(event->key() == Qt::Key_Left
                                                 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}
