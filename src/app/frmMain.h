#pragma once

#include "app/MainMenus.h"
#include "app/MainWidgets.h"
#include "app/StartFileChoice.h"
#include "history/ChangesList.h"
#include "history/HistoryDocument.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/ChangesListShell.h"
#include "mainwin/DisplaySettings.h"
#include "mainwin/OptionsHost.h"
#include "search/SearchCommands.h"
#include "search/SearchHost.h"
#include "stats/StatisticsHost.h"
#include "widgets/WindowPlacement.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPlainTextEdit;
class QToolBar;
class QTableView;
class QTreeWidget;
class ChangesListModel;
class HistoryFileWatcher;
class MainToolbar;
class VersionsList;
class cProfile;
class cSplitter;
class frmSearchFor;
class SearchTextSource;
class ShownPlace;

// The main window: owns the loaded history and both lists, and lays out the client area.
class frmMain : public QMainWindow,
                public OptionsHost,
                public SearchHost,
                public StatisticsHost,
                private ChangesListShell
{
    Q_OBJECT

public:
    frmMain(cProfile &profile, StartOptions options, QWidget *parent = nullptr);
    ~frmMain() override;

    // Shows the release with that key as a click on it would. False for a key no item has.
    [[nodiscard]] bool GoToVersion(const QString &strKey) override;
    void ApplySettings() override;
    void ResizeForm();
    void CreateMainToolbar();
    void SaveLayoutSettings() override;
    void BuildChangesList();

    const HistoryDocument &document() const { return m_document; }

    // What the statistics window reads.
    const HistoryDocument &statisticsDocument() const override { return m_document; }
    QStringList versionDetectList() const override { return displaySettings().VersionDetectList; }
    QString dayFormat() const override { return displaySettings().DayFormat; }
    QString dateFormat() const override { return displaySettings().DateFormat; }
    QFont listFont() const override;
    QColor additionsColor() const override;
    QColor fixesColor() const override;
    cProfile &profile() { return m_profile; }
    const MainMenus &menus() const { return m_menus; }
    const ChangesView &changesView() const { return m_view; }
    bool isLoading() const { return m_isLoading; }
    bool wasActivated() const { return m_wasActivated; }
    QString historyFilePath() const { return m_historyFilePath; }

    // Opens `path`; on failure tells the user and keeps what is shown. Used by start-up and File > Open.
    bool openHistory(const QString &path);

    // Searching and going to a line; the work is done by SearchCommands and ChangeSelection.
    LineIndex FindString(const QString &text, LineIndex startItem, SearchIn searchIn, bool wholeWord) override
    {
        return m_search->FindString(text, startItem, searchIn, wholeWord);
    }
    void FindAll(const QString &text, SearchIn searchIn, bool wholeWord) override
    {
        m_search->FindAll(text, searchIn, wholeWord);
    }
    LineIndex LastLineIndex() const override { return m_document.lines.lastLineIndex(); }
    SearchIn &SearchInChoice() override { return m_searchInChoice; }
    void focusChangesList() override;
    void setFindNextEnabled(bool enabled) override;
    void GoToLine(LineIndex line) { m_selection->GoToLine(line); }
    const std::vector<LineIndex> &SearchResultLines() const { return m_search->SearchResultLines(); }
    // The text marked in the wrap panel; null marks nothing.
    void setSearchTextSource(const SearchTextSource *source) { m_selection->setSearchTextSource(source); }

signals:
    void historyLoaded();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createWidgets();
    void createSplitters();
    void connectCommands();
    void firstActivation();
    bool LoadHistory(const QString &path);
    LoadResult readHistory(const QString &path, const ShownPlace &place);
    void showPlace(const ShownPlace &place);
    void reloadHistory(bool cameBack);
    void openChosenFile(const QString &path);
    void UpdateCaption();
    void versionItemClicked(int position);
    void setViewFilter(ViewFilter filter);
    void pressFilterButtons(ViewFilter filter);
    void toggleReversedList();
    void toggleToolbar();
    void toggleStatusBar();
    void toggleWrapPanel();
    // Flips one of the stored "shown" flags, shows or hides its part of the window and ticks its menu.
    void toggleShown(bool &shown, QAction *menu, const std::function<void(bool)> &show);
    void SetupChangeColumns();
    void saveChangeColumns();
    int storedVersionWidth();
    void showChangesStatus(const ChangesListContent &content);
    void openFileDialog();
    void showOptions();
    void showAbout();
    void tellSettingsNotSaved(const QString &file);
    void showStatistics();
    frmSearchFor &findDialog();
    void RecordWindowPlacement();
    void RestoreWindowPlacement();
    void createChangeCommands();

    void showVersionItem(int position) override { versionItemClicked(position); }
    void showAllChanges() override { setViewFilter(ViewFilter::AllChanges); }
    void openWrapPanel() override;
    void enterSearchResults() override;

    cProfile &m_profile;
    StartOptions m_options;
    HistoryDocument m_document;
    MainMenus m_menus;
    MainWidgets m_w;

    MainToolbar *m_mainToolbar = nullptr;
    VersionsList *m_versions = nullptr;
    ChangesListModel *m_changesModel = nullptr;
    std::unique_ptr<cSplitter> m_outerSplitter;
    std::unique_ptr<cSplitter> m_innerSplitter;
    ChangeSelection *m_selection = nullptr;
    SearchCommands *m_search = nullptr;
    HistoryFileWatcher *m_fileWatcher = nullptr;

    QString m_historyFilePath;
    bool m_isLoading = true;
    bool m_wasActivated = false;
    QTimer m_firstActivation; // fires once, after the window is first shown
    ChangesView m_view;
    SearchIn m_searchInChoice = SearchIn::Everywhere;
    bool m_closing = false;
    QLabel *m_settingsNotSaved = nullptr; // the status bar's word that settings are lost at close
    WindowPlacement m_placement;
    frmSearchFor *m_findDialog = nullptr;
};
