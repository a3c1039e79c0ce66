#pragma once

#include "app/MainMenus.h"
#include "app/MainWidgets.h"
#include "app/StartFileChoice.h"
#include "history/ChangesList.h"
#include "history/HistoryDocument.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/CurrentDisplaySettings.h"
#include "mainwin/ShownHistory.h"
#include "search/SearchCommands.h"
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
class ProfileSettingsStore;
struct ProgramPaths;
class cSplitter;
class frmSearchFor;
class ShownPlace;

// The main window: the menus, the toolbar, both lists, the wrap panel and the status bar, laid out
// in the client area. What they show is the ShownHistory's; the window follows its signals.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // The window over the program's one settings object (and through it the profile store and the
    // program's paths) and the display settings in force, starting on the files `options` name.
    frmMain(ProfileSettingsStore &settings, CurrentDisplaySettings &display, StartOptions options,
            QWidget *parent = nullptr);
    ~frmMain() override;

    // Shows the release with that key as a click on it would. False for a key no item has.
    [[nodiscard]] bool GoToVersion(const QString &strKey) { return m_shown->showReleaseWithKey(strKey); }
    void ApplySettings();
    void ResizeForm();
    void CreateMainToolbar();
    void SaveLayoutSettings();
    void BuildChangesList();

    ShownHistory &shown() { return *m_shown; }
    const HistoryDocument &document() const { return m_shown->document(); }
    const ChangesView &changesView() const { return m_shown->view(); }
    QString historyFilePath() const { return m_shown->filePath(); }
    cProfile &profile() { return m_profile; }
    const MainMenus &menus() const { return m_menus; }
    bool isLoading() const { return m_isLoading; }
    bool wasActivated() const { return m_wasActivated; }

    // Opens `path`; on failure tells the user and keeps what is shown. Used by start-up and File > Open.
    bool openHistory(const QString &path);

    SearchCommands &search() { return *m_search; }
    void GoToLine(LineIndex line) { m_selection->GoToLine(line); }
    const std::vector<LineIndex> &SearchResultLines() const { return m_search->SearchResultLines(); }

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
    LoadResult readHistory(const QString &path, const ShownPlace &place, const QString &lastSeenLabel);
    void showNewReleaseCount();
    void rememberSeenReleases();
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

    void showView();
    void focusChangesList();
    void openWrapPanel();

    ProfileSettingsStore &m_settings;
    cProfile &m_profile;
    const ProgramPaths &m_paths;
    StartOptions m_options;
    CurrentDisplaySettings &m_display;
    ShownHistory *m_shown = nullptr;
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

    bool m_isLoading = true;
    bool m_wasActivated = false;
    QTimer m_firstActivation; // fires once, after the window is first shown
    bool m_closing = false;
    QLabel *m_settingsNotSaved = nullptr; // the status bar's word that settings are lost at close
    WindowPlacement m_placement;
    frmSearchFor *m_findDialog = nullptr;
};
