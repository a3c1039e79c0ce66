#pragma once

#include "search/HitRanges.h"
#include "search/SearchResults.h"
#include "search/Searcher.h"

#include <QObject>

#include <optional>

class ChangeSelection;
class ChangesListModel;
class HitDelegate;
class QLabel;
class QTableView;
class QWidget;
class ShownHistory;

// The searches the Find dialog asks for, run on the history shown: showing the next match in its
// release, listing every match under a "Search Result:" row, and re-listing those matches when
// the list is rebuilt.
class SearchCommands : public QObject, public Searcher
{
    Q_OBJECT

public:
    struct Widgets
    {
        QWidget *window = nullptr; // owner of the "Cannot find" message
        QTableView *list = nullptr;
        ChangesListModel *model = nullptr;
        QLabel *countPanel = nullptr;
    };

    SearchCommands(const Widgets &widgets, ShownHistory &shown, ChangeSelection &selection,
                   QObject *parent = nullptr);

    // The first match from `startItem` on, shown in its release; returns its line + 1, or
    // LastLineIndex + 2 when none matches.
    LineIndex FindString(const QString &text, LineIndex startItem, SearchIn searchIn,
                         bool wholeWord) override;
    void FindAll(const QString &text, SearchIn searchIn, bool wholeWord) override;
    LineIndex LastLineIndex() const override;
    SearchIn &SearchInChoice() override { return m_searchInChoice; }

    // Lists the kept results again under the current filter and order; selects nothing.
    void ListSearchResults();
    // The history was read again: the last "Find All" is run again with its text and options, to be
    // listed when the view is shown. Unlike a "Find All" it neither switches the filter nor says when
    // nothing is found.
    void SearchAgain();

    const std::vector<LineIndex> &SearchResultLines() const { return m_results.SearchResultLines(); }

    // The hits shown in the list and the wrap panel: the last Find All's in its results, the last
    // Find Next's in the line it went to. They go when the list leaves what the search showed (a
    // release or "All" chosen, another history opened); a new filter or order keeps them.
    const SearchHighlight &highlight() const;

signals:
    // Results were listed to be read: the wrap panel should be showing.
    void wrapPanelWanted();

private:
    void showContent(ChangesListContent content);
    void setHighlight(const SearchHighlight &highlight);
    void viewChanged();

    Widgets m_w;
    ShownHistory &m_shown;
    ChangeSelection &m_selection;
    SearchResults m_results;
    // The listing a Find All has just made, shown as is rather than made again from its lines.
    std::optional<ChangesListContent> m_fresh;
    SearchIn m_searchInChoice = SearchIn::Everywhere; // kept for the whole run
    HitDelegate *m_hits = nullptr;
    ReleaseIndex m_highlightRelease; // the release Find Next showed its line in
    bool m_searching = false;        // the view changes because a search shows what it found
};
