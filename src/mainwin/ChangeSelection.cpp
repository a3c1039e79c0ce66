#include "mainwin/ChangeSelection.h"

#include "history/ChangesListModel.h"
#include "history/LineRules.h"
#include "history/ShownText.h"
#include "mainwin/ChangeRowsText.h"
#include "mainwin/ShownHistory.h"
#include "mainwin/VersionsList.h"
#include "search/HitDelegate.h"
#include "widgets/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>

ChangeSelection::ChangeSelection(const Widgets &widgets, ShownHistory &shown, QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_shown(shown)
{
    createContextMenu();
    m_w.list->installEventFilter(this);
    // Kept apart: the filter still sees events while the list is being destroyed.
    m_viewport = m_w.list->viewport();
    m_viewport->installEventFilter(this);
    // A click and a move with the arrow keys both change the current row.
    connect(m_w.list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_selecting && current.isValid())
                    ChangeRowClick(ListRow(current.row()));
            });
}

void ChangeSelection::createContextMenu()
{
    m_mnuContext = new QMenu(m_w.list);
    m_mnuContext->setObjectName(QStringLiteral("mnuContext"));
    auto *copy = m_mnuContext->addAction(QStringLiteral("&Copy"));
    copy->setObjectName(QStringLiteral("mnuContextCopy"));
    m_mnuContext->addSeparator();
    auto *selectAll = m_mnuContext->addAction(QStringLiteral("Select &All"));
    selectAll->setObjectName(QStringLiteral("mnuContextSelectAll"));
    // The keys themselves are handled by the list; the menu only shows them.
    for (auto [action, keys] : {std::pair{copy, QKeySequence(QStringLiteral("Ctrl+C"))},
                                std::pair{selectAll, QKeySequence(QStringLiteral("Ctrl+A"))}}) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    connect(copy, &QAction::triggered, this, &ChangeSelection::CopyRows);
    connect(selectAll, &QAction::triggered, this, &ChangeSelection::SelectAllRows);
}

bool ChangeSelection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_w.list && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    if (watched == m_viewport && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            m_mnuContext->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ChangeSelection::handleKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_C:
        case Qt::Key_Insert:
            CopyRows();
            return true;
        case Qt::Key_A:
            SelectAllRows();
            return true;
        default:
            break;
        }
    }
    // The view's own copy would put a single cell on the clipboard; only the keys above copy.
    return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll);
}

void ChangeSelection::ChangeRowClick(ListRow row)
{
    if (!m_w.model->content().rows.contains(row))
        return;
    const LineIndex line = m_w.model->lineOfRow(row);
    const HistoryDocument &document = m_shown.document();
    if (!document.lines.contains(line)) {
        // The "Search Result:" header shows no line of the history.
        m_w.wrapPanel->clear();
        m_w.datePanel->clear();
        m_shownLine = NoLine;
        MarkSearchText();
        return;
    }
    // A line too long to lay out is shown cut; its date is at its start. The date panel tells the
    // date of the row shown: a row without one (a release heading) leaves it empty, never showing
    // the date of a row seen before.
    const ShownText shown = shownLine(document.lines, line);
    m_w.datePanel->setText(longDateText(shown.text));
    m_w.wrapPanel->setPlainText(shown.text);
    m_shownLine = line;
    MarkSearchText();
    // In the "All" view, "All" stays the current item whatever row is chosen; so does "New since
    // last time" in its view.
    if (!m_shown.view().allSelected() && !m_shown.view().newSelected())
        FindReleaseOfLine(line);
}

void ChangeSelection::showRow(ListRow row)
{
    if (!m_w.model->content().rows.contains(row))
        return;
    const QModelIndex index = m_w.model->index(row.value(), 0);
    m_selecting = true;
    m_w.list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    m_selecting = false;
    m_w.list->scrollTo(index);
    ChangeRowClick(row);
}

int ChangeSelection::FindReleaseOfLine(LineIndex line)
{
    const int holder = m_shown.listPlaces().positionOf(m_shown.document().releaseOfLine(line));
    const int position = holder > 0 && holder < m_w.versions->count() ? holder : m_w.versions->current();
    m_w.versions->makeCurrent(position);
    m_w.versions->scrollTo(position);
    return position;
}

void ChangeSelection::GoToLine(LineIndex line)
{
    const HistoryDocument &document = m_shown.document();
    if (!document.lines.contains(line))
        return;
    // Lines before the first release belong to no release: they are shown in the "All" view.
    const ReleaseIndex release = document.releaseOfLine(line);
    if (m_shown.view().releaseIndex != release || m_shown.view().searchResultsShown() ||
        m_w.model->rowOfLine(line).isNone())
        m_shown.showRelease(release);
    if (m_w.model->rowOfLine(line).isNone() &&
        !passesViewFilter(document.lines.kind(line), m_shown.view().filter))
        m_shown.setFilter(ViewFilter::AllChanges);
    m_w.versions->scrollTo(m_shown.listPlaces().positionOf(release));

    m_w.list->clearSelection();
    showRow(m_w.model->content().rows.rowAtOrBefore(line));
    emit wrapPanelWanted();
    MarkSearchText();
}

void ChangeSelection::setHighlight(const SearchHighlight &highlight)
{
    m_highlight = highlight;
    MarkSearchText();
}

void ChangeSelection::MarkSearchText()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (m_highlight.appliesTo(m_shownLine) && m_shown.document().lines.contains(m_shownLine)) {
        // Found in the line itself, as the search finds it; in a line shown cut, only in the part shown.
        const ShownText shown = shownLine(m_shown.document().lines, m_shownLine);
        const std::vector<HitRange> hits = hitRanges(QStringView(shown.text).first(shown.lineLength),
                                                     m_highlight.text, m_highlight.wholeWord);
        QTextCharFormat format;
        format.setBackground(HitDelegate::hitBackground());
        format.setForeground(HitDelegate::hitForeground());
        for (const HitRange &hit : hits) {
            QTextCursor cursor(m_w.wrapPanel->document());
            cursor.setPosition(static_cast<int>(hit.start));
            cursor.setPosition(static_cast<int>(hit.start + hit.length), QTextCursor::KeepAnchor);
            marks.append({cursor, format});
        }
        // The first hit is selected too, ready to be copied.
        if (!marks.isEmpty())
            m_w.wrapPanel->setTextCursor(marks.first().cursor);
    }
    m_w.wrapPanel->setExtraSelections(marks);
}

void ChangeSelection::CopyRows()
{
    WaitCursor wait;
    std::vector<RowSpan> spans;
    const QItemSelection selection = m_w.list->selectionModel()->selection();
    spans.reserve(static_cast<std::size_t>(selection.size()));
    for (const QItemSelectionRange &range : selection)
        spans.push_back(RowSpan{ListRow(range.top()), ListRow(range.bottom())});

    const ChangesListLook &look = m_w.model->look();
    RowTextColumns columns;
    columns.separateColumns = look.separateColumns;
    columns.dayFormat = look.dayFormat;
    columns.dateFormat = look.dateFormat;
    const QHeaderView *header = m_w.list->horizontalHeader();
    for (int visual = 0; visual < 3 && visual < header->count(); ++visual)
        columns.displayOrder[static_cast<std::size_t>(visual)] =
            m_w.model->columnKind(header->logicalIndex(visual));

    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(changeRowsText(m_shown.document(), m_w.model->content().rows, spans, columns));
}

void ChangeSelection::SelectAllRows()
{
    WaitCursor wait;
    const int rows = m_w.model->rowCount();
    const int columns = m_w.model->columnCount();
    if (rows == 0 || columns == 0)
        return;
    const QItemSelection all(m_w.model->index(0, 0), m_w.model->index(rows - 1, columns - 1));
    m_w.list->selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
}
