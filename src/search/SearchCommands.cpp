#include "search/SearchCommands.h"

#include "history/ChangesListModel.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/ShownHistory.h"
#include "search/LineSearch.h"
#include "search/SearchResultsList.h"
#include "widgets/MessageBox.h"
#include "widgets/WaitCursor.h"

#include <QApplication>
#include <QLabel>
#include <QTableView>

SearchCommands::SearchCommands(const Widgets &widgets, ShownHistory &shown, ChangeSelection &selection,
                               QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_shown(shown)
    , m_selection(selection)
{
}

LineIndex SearchCommands::FindString(const QString &text, LineIndex startItem, SearchIn searchIn,
                                     bool wholeWord)
{
    // A match is shown among all kinds of lines, so the view switches to "All changes" first.
    if (m_shown.view().filter != ViewFilter::AllChanges)
        m_shown.setFilter(ViewFilter::AllChanges);
    const HistoryLines &lines = m_shown.document().lines;
    const LineIndex found = findNext(lines, text, startItem, searchIn, wholeWord);
    if (found.isNone())
        return lines.lastLineIndex() + 2;
    m_selection.GoToLine(found);
    return found + 1;
}

void SearchCommands::FindAll(const QString &text, SearchIn searchIn, bool wholeWord)
{
    {
        const WaitCursor wait;
        m_fresh = m_results.findAll(m_shown.document(), text, searchIn, wholeWord, m_shown.view().reversed);
    }
    const bool found = m_fresh->rows.size() > 1;
    // The results are listed with "All changes" in force.
    ChangesView view = m_shown.view();
    view.filter = ViewFilter::AllChanges;
    view.mode = ChangesListMode::SearchResults;
    m_shown.setView(view);
    if (!found) {
        m_selection.showRow(ListRow(0));
        MessageBox::information(m_w.window, QStringLiteral("Cannot find \"%1\"").arg(text));
        return;
    }
    emit wrapPanelWanted();
    m_selection.showRow(ListRow(1));
}

LineIndex SearchCommands::LastLineIndex() const
{
    return m_shown.document().lines.lastLineIndex();
}

void SearchCommands::ListSearchResults()
{
    if (m_fresh) {
        showContent(std::move(*m_fresh));
        m_fresh.reset();
        return;
    }
    const ChangesView &view = m_shown.view();
    showContent(m_results.relist(m_shown.document(), view.filter, view.reversed));
}

void SearchCommands::SearchAgain()
{
    const WaitCursor wait;
    m_fresh.reset();
    m_results.searchAgain(m_shown.document());
}

void SearchCommands::showContent(ChangesListContent content)
{
    const int instances = SearchResults::instanceCount(content);
    m_w.model->setContent(&m_shown.document(), std::move(content));
    m_w.list->clearSelection();
    m_w.countPanel->setText(instanceCountText(instances));
}
