#include "search/SearchCommands.h"

#include "history/ChangesListModel.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/ChangesListShell.h"
#include "mainwin/DisplaySettings.h"
#include "search/LineSearch.h"
#include "search/SearchResultsList.h"
#include "widgets/MessageBox.h"
#include "widgets/WaitCursor.h"

#include <QApplication>
#include <QLabel>
#include <QTableView>

SearchCommands::SearchCommands(const Widgets &widgets, const HistoryDocument &document,
                               const ChangesView &view, ChangesListShell &shell, ChangeSelection &selection,
                               QObject *parent)
    : QObject(parent)
    , m_w(widgets)
    , m_document(document)
    , m_view(view)
    , m_shell(shell)
    , m_selection(selection)
{
}

LineIndex SearchCommands::FindString(const QString &text, LineIndex startItem, SearchIn searchIn,
                                     bool wholeWord)
{
    // A match is shown among all kinds of lines, so the view switches to "All changes" first.
    if (m_view.filter != ViewFilter::AllChanges)
        m_shell.showAllChanges();
    const LineIndex found = findNext(m_document.lines, text, startItem, searchIn, wholeWord);
    if (found.isNone())
        return m_document.lines.lastLineIndex() + 2;
    m_selection.GoToLine(found);
    return found + 1;
}

void SearchCommands::FindAll(const QString &text, SearchIn searchIn, bool wholeWord)
{
    if (m_view.filter != ViewFilter::AllChanges)
        m_shell.showAllChanges();
    m_shell.enterSearchResults();
    ChangesListContent content;
    {
        const WaitCursor wait;
        content = m_results.findAll(m_document, text, searchIn, wholeWord, m_view.reversed);
    }
    const bool found = content.rows.size() > 1;
    showContent(std::move(content));
    if (!found) {
        m_selection.showRow(ListRow(0));
        MessageBox::information(m_w.window, QStringLiteral("Cannot find \"%1\"").arg(text));
        return;
    }
    if (!displaySettings().WrapPanelVisible)
        m_shell.openWrapPanel();
    m_selection.showRow(ListRow(1));
}

void SearchCommands::ListSearchResults()
{
    showContent(m_results.relist(m_document, m_view.filter, m_view.reversed));
}

void SearchCommands::SearchAgain()
{
    {
        const WaitCursor wait;
        m_results.searchAgain(m_document);
    }
    ListSearchResults();
    m_selection.showRow(ListRow(m_w.model->rowCount() > 1 ? 1 : 0));
}

void SearchCommands::showContent(ChangesListContent content)
{
    const int instances = SearchResults::instanceCount(content);
    m_w.model->setContent(&m_document, std::move(content));
    m_w.list->clearSelection();
    m_w.countPanel->setText(instanceCountText(instances));
}
