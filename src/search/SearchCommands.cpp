#include "search/SearchCommands.h"

#include "history/ChangesListModel.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/ShownHistory.h"
#include "search/HitDelegate.h"
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
    , m_hits(new HitDelegate(*widgets.model, this))
{
    m_w.list->setItemDelegate(m_hits);
    connect(&m_shown, &ShownHistory::viewChanged, this, &SearchCommands::viewChanged);
    // Find Next's hit is a line of the history it searched.
    connect(&m_shown, &ShownHistory::historyReplaced, this, [this] {
        if (!highlight().line.isNone())
            setHighlight({});
    });
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
    setHighlight({text, wholeWord, found});
    m_searching = true;
    m_selection.GoToLine(found);
    m_searching = false;
    m_highlightRelease = m_shown.view().releaseIndex;
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
    setHighlight({text, wholeWord, NoLine});
    m_searching = true;
    m_shown.setView(view);
    m_searching = false;
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

const SearchHighlight &SearchCommands::highlight() const
{
    return m_hits->highlight();
}

void SearchCommands::setHighlight(const SearchHighlight &highlight)
{
    if (highlight == m_hits->highlight())
        return;
    m_hits->setHighlight(highlight);
    m_selection.setHighlight(highlight);
    m_w.list->viewport()->update();
}

void SearchCommands::viewChanged()
{
    const SearchHighlight &shown = highlight();
    if (m_searching || shown.text.isEmpty())
        return;
    const ChangesView &view = m_shown.view();
    // Find All's hits stay with its results, Find Next's with the release it went to.
    const bool stays = shown.line.isNone()
                           ? view.searchResultsShown()
                           : !view.searchResultsShown() && view.releaseIndex == m_highlightRelease;
    if (!stays)
        setHighlight({});
}
