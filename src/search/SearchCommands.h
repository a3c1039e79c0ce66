#pragma once

#include "search/SearchResults.h"

#include <QObject>

class ChangeSelection;
class ChangesListModel;
class ChangesListShell;
class QLabel;
class QTableView;
class QWidget;

// The main window's side of searching: showing the next match in its release, listing every
// match under a "Search Result:" row, and re-listing those matches when the list is rebuilt.
class SearchCommands : public QObject
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

    SearchCommands(const Widgets &widgets, const HistoryDocument &document, const ChangesView &view,
                   ChangesListShell &shell, ChangeSelection &selection, QObject *parent = nullptr);

    // The first match from `startItem` on, shown in its release; returns its line + 1, or
    // LastLineIndex + 2 when none matches.
    LineIndex FindString(const QString &text, LineIndex startItem, SearchIn searchIn, bool wholeWord);
    void FindAll(const QString &text, SearchIn searchIn, bool wholeWord);
    // Lists the kept results again under the current filter and order; selects nothing.
    void ListSearchResults();
    // The history was read again: the last "Find All" is run again with its text and options and
    // listed under the current filter and order, the first result selected. Unlike a "Find All" it
    // neither switches the filter nor says when nothing is found.
    void SearchAgain();

    const std::vector<LineIndex> &SearchResultLines() const { return m_results.SearchResultLines(); }

private:
    void showContent(ChangesListContent content);

    Widgets m_w;
    const HistoryDocument &m_document;
    const ChangesView &m_view;
    ChangesListShell &m_shell;
    ChangeSelection &m_selection;
    SearchResults m_results;
};
