#include "app/frmMain.h"

#include "app/ChangeColumns.h"
#include "app/ColumnWidths.h"
#include "app/FileDropTarget.h"
#include "app/FileManagerLocation.h"
#include "app/HistoryFileWatcher.h"
#include "app/LoadWithProgress.h"
#include "app/MainToolbar.h"
#include "app/MainWidgets.h"
#include "app/ShownPlace.h"
#include "app/StartFileChoice.h"
#include "history/ChangesListModel.h"
#include "history/LineRules.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/DisplayColors.h"
#include "mainwin/DisplayFonts.h"
#include "mainwin/VersionsList.h"
#include "mainwin/frmOptions.h"
#include "search/SearchCommands.h"
#include "search/frmSearchFor.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/SeenReleases.h"
#include "settings/cProfile.h"
#include "stats/frmStatistics.h"
#include "version.h"
#include "widgets/MessageBox.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/Twips.h"
#include "widgets/WaitCursor.h"
#include "widgets/WindowPlacement.h"
#include "widgets/cCommonDialog.h"
#include "widgets/cSplitter.h"
#include "widgets/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <cstdio>

namespace {
const QString KeyColumnHeadersSize2 = QStringLiteral("ColumnHeadersSize2");
const QString KeyLastFile = QStringLiteral("LastFile");
} // namespace

frmMain::frmMain(ProfileSettingsStore &settings, CurrentDisplaySettings &display, StartOptions options,
                 QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_profile(settings.profile())
    , m_paths(settings.profile().paths())
    , m_options(std::move(options))
    , m_display(display)
{
    setObjectName(QStringLiteral("frmMain"));
    m_isLoading = true;

    m_shown = new ShownHistory(this);
    RestoreWindowPlacement();
    m_profile.setWriteFailureHandler([this](const QString &file) { tellSettingsNotSaved(file); });

    m_firstActivation.setSingleShot(true);
    connect(&m_firstActivation, &QTimer::timeout, this, &frmMain::firstActivation);
    m_menus = MainMenus::create(this);
    createWidgets();
    createChangeCommands();
    createSplitters();
    connectCommands();
    CreateMainToolbar();

    // The stored flags are applied by running each command once on the inverted flag.
    DisplaySettings &s = m_display.edit();
    s.ToolbarVisible = !s.ToolbarVisible;
    toggleToolbar();
    s.StatusBarVisible = !s.StatusBarVisible;
    toggleStatusBar();
    s.WrapPanelVisible = !s.WrapPanelVisible;
    toggleWrapPanel();
    connect(m_shown, &ShownHistory::viewChanged, this, &frmMain::showView);
    connect(&m_display, &CurrentDisplaySettings::changed, this, &frmMain::ApplySettings);
    m_shown->setReversed(LoadReversedList(m_settings));

    m_w.Text1->clear();
    setWindowTitle(QString());
    m_profile.tellIfNotWritable();
}

frmMain::~frmMain()
{
    m_profile.setWriteFailureHandler({});
}

void frmMain::createWidgets()
{
    m_w = MainWidgets::create(this);
    m_w.clientArea->installEventFilter(this);

    m_mainToolbar = new MainToolbar(m_w.Toolbar1, m_menus, this);
    m_w.lvVersionsList->setColumnWidth(0, Twips::toPixelsX(storedVersionWidth()));
    m_versions = new VersionsList(m_w.lvVersionsList, this);
    m_changesModel = new ChangesListModel(this);
    m_w.lvChangesList->setModel(m_changesModel);
    SetupChangeColumns();
}

void frmMain::createSplitters()
{
    const DisplaySettings &s = m_display.get();
    m_w.picMainSplitter->move(1, 1);
    m_outerSplitter = std::make_unique<cSplitter>();
    cSplitter::Layout outer;
    outer.direction = cSplitter::SideBySide;
    outer.splitterStartPos = s.SplitPosition;
    outer.splitterSize = Twips::fromPixelsX(3);
    (void)m_outerSplitter->CreateSplitter(m_w.picMainSplitter, m_w.Frame2, m_w.lvVersionsList,
                                          m_w.picSpliterContainer, outer);
    m_innerSplitter = std::make_unique<cSplitter>();
    cSplitter::Layout inner;
    inner.direction = cSplitter::Stacked;
    inner.splitterStartPos = s.SplitPosition2;
    inner.splitterSize = Twips::fromPixelsX(3);
    (void)m_innerSplitter->CreateSplitter(m_w.picSpliterContainer, m_w.Frame1, m_w.lvChangesList, m_w.Text1,
                                          inner);
    m_innerSplitter->MinRightPanelWidth = Twips::fromPixelsY(40);
}

void frmMain::connectCommands()
{
    connect(m_menus.mnuFileOpen, &QAction::triggered, this, &frmMain::openFileDialog);
    connect(m_menus.mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.mnuViewToolbar, &QAction::triggered, this, &frmMain::toggleToolbar);
    connect(m_menus.mnuViewStatusBar, &QAction::triggered, this, &frmMain::toggleStatusBar);
    connect(m_menus.mnuViewWrapPanel, &QAction::triggered, this, &frmMain::toggleWrapPanel);
    connect(m_menus.mnuViewAllChanges, &QAction::triggered, this,
            [this] { m_shown->setFilter(ViewFilter::AllChanges); });
    connect(m_menus.mnuViewAdditions, &QAction::triggered, this,
            [this] { m_shown->setFilter(ViewFilter::Additions); });
    connect(m_menus.mnuViewFixes, &QAction::triggered, this,
            [this] { m_shown->setFilter(ViewFilter::Fixes); });
    connect(m_menus.mnuViewReversedList, &QAction::triggered, this, &frmMain::toggleReversedList);
    connect(m_menus.mnuViewOptions, &QAction::triggered, this, &frmMain::showOptions);
    connect(m_menus.mnuHelpAbout, &QAction::triggered, this, &frmMain::showAbout);
    connect(m_menus.mnuFileStatistics, &QAction::triggered, this, &frmMain::showStatistics);
    connect(m_versions, &VersionsList::itemClicked, this, &frmMain::versionItemClicked);
    connect(m_menus.mnuSearchFind, &QAction::triggered, this, [this] { findDialog().ShowFind(); });
    connect(m_menus.mnuSearchFindNext, &QAction::triggered, this, [this] { findDialog().FindNextString(); });
    m_fileWatcher = new HistoryFileWatcher(this);
    connect(m_fileWatcher, &HistoryFileWatcher::changed, this, &frmMain::reloadHistory);
    connect(m_fileWatcher, &HistoryFileWatcher::lost, m_w.statusPanel2, &QLabel::setText);
    connect(new FileDropTarget(this), &FileDropTarget::fileDropped, this, &frmMain::openChosenFile);
}

void frmMain::CreateMainToolbar()
{
    m_mainToolbar->createFromSettings(m_settings);
    pressFilterButtons(m_shown->view().filter);
    m_mainToolbar->setPressed(ToolbarKey::ReversedList, m_shown->view().reversed);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_wasActivated) {
        m_wasActivated = true;
        // Loading waits until the window is on screen, so a large file never delays its first paint.
        m_firstActivation.start();
    }
}

void frmMain::firstActivation()
{
    ApplySettings();
    m_innerSplitter->CheckSplitterPos = true;
    m_innerSplitter->keepSecondPaneInside();
    m_menus.mnuViewAllChanges->setChecked(true);
    m_mainToolbar->setPressed(ToolbarKey::AllChanges, true);

    const StartFileChoice choice = StartFileChoice::atStart(
        m_options, m_settings.read(SectionVelomir, KeyLastFile, missingValueMarker()), m_paths);

    if (choice.source != StartFileSource::OpenDialog) {
        m_isLoading = false;
        if (LoadHistory(choice.path)) {
            m_shown->setFilter(ViewFilter::AllChanges);
            m_w.lvChangesList->setFocus();
            return;
        }
    }
    openFileDialog();
    // Nothing to show: the user cancelled or chose nothing readable.
    if (m_changesModel->rowCount() == 0)
        close();
}

void frmMain::openFileDialog()
{
    const QString startDir =
        m_paths.FileManagerDir == missingValueMarker() ? QString() : m_paths.FileManagerDir;
    cCommonDialog::OpenRequest request;
    request.startDir = startDir;
    request.proposedName = QStringLiteral("History.txt");
    request.filterNumber = cCommonDialog::TextFilesFilter;
    request.fileMustExist = true;
    const auto answer = cCommonDialog::ShowOpenDialog(this, request);
    if (answer.confirmed)
        openChosenFile(answer.path);
}

// A file the user chose, with File > Open or by dropping it on the window.
void frmMain::openChosenFile(const QString &path)
{
    m_isLoading = false;
    if (LoadHistory(path))
        m_settings.write(SectionVelomir, KeyLastFile, CollapsePath(path, m_paths));
}

void frmMain::showOptions()
{
    SaveLayoutSettings();
    frmOptions options(m_display, m_settings, this);
    options.exec();
}

// Settings that cannot be written would be lost silently at close: the user is told once, on
// standard error and for good in the status bar, and the program goes on.
void frmMain::tellSettingsNotSaved(const QString &file)
{
    if (m_settingsNotSaved)
        return;
    const QString text = cProfile::notSavedMessage(file);
    std::fputs(qPrintable(QStringLiteral("velomir: %1\n").arg(text)), stderr);
    m_settingsNotSaved = new QLabel(text, statusBar());
    m_settingsNotSaved->setObjectName(QStringLiteral("StatusBar1_SettingsNotSaved"));
    statusBar()->addPermanentWidget(m_settingsNotSaved);
}

frmSearchFor &frmMain::findDialog()
{
    // Made the first time it is needed; "Find Next" may ask before the dialog was ever shown.
    if (!m_findDialog) {
        m_findDialog = new frmSearchFor(*m_search, m_settings, this);
        connect(m_findDialog, &frmSearchFor::changesListFocusWanted, this, &frmMain::focusChangesList);
        connect(m_findDialog, &frmSearchFor::searchableChanged, m_menus.mnuSearchFindNext,
                &QAction::setEnabled);
        m_menus.mnuSearchFindNext->setEnabled(m_findDialog->canSearch());
    }
    return *m_findDialog;
}

void frmMain::showStatistics()
{
    frmStatistics statistics(m_shown->document(), m_display.get(), m_settings, this);
    connect(&statistics, &frmStatistics::releaseChosen, m_shown, &ShownHistory::showReleaseWithKey);
    statistics.exec();
}

void frmMain::showAbout()
{
    frmAbout about(this);
    about.exec();
}

bool frmMain::openHistory(const QString &path)
{
    m_isLoading = false;
    return LoadHistory(path);
}

bool frmMain::LoadHistory(const QString &path)
{
    const LoadResult result =
        readHistory(path, ShownPlace(), lastSeenReleaseLabel(m_settings, m_paths, path));
    if (!result.ok) {
        // What is shown stays: a file that cannot be read never empties the window.
        MessageBox::critical(this, QStringLiteral("Cannot read \"%1\":\n%2").arg(path, result.error));
        return false;
    }
    m_fileWatcher->follow(path);
    rememberSeenReleases();
    return true;
}

// Shown once is seen: the next start tells only what comes in above the release on top now. Kept
// at open and at close; a reload of a busy file writes nothing.
void frmMain::rememberSeenReleases()
{
    rememberSeenRelease(m_settings, m_paths, m_shown->filePath(), m_shown->newestReleaseLabel());
}

// The file shown changed on disk. Unlike an open, a reload never asks: the status bar says it all.
void frmMain::reloadHistory(bool cameBack)
{
    // A dialog may be showing figures of the history shown: the file is read once it is closed.
    if (QApplication::activeModalWidget())
        return m_fileWatcher->retryLater(cameBack);
    const ShownPlace place =
        ShownPlace::take(m_shown->document(), m_shown->view(), m_versions->current() >= 0,
                         m_changesModel->content().rows, ListRow(m_w.lvChangesList->currentIndex().row()));
    const LoadResult result = readHistory(m_shown->filePath(), place, m_shown->lastSeenAcrossReload());
    m_w.statusPanel2->setText(result.ok ? HistoryFileWatcher::reloadedText(cameBack)
                                        : HistoryFileWatcher::notReadText(result.error));
}

LoadResult frmMain::readHistory(const QString &path, const ShownPlace &place, const QString &lastSeenLabel)
{
    HistoryDocument loaded;
    LoadResult result = loadWithProgress(this, path, m_display.get().detection(), loaded);
    if (!result.ok)
        return result;
    m_changesModel->setContent(nullptr, {});
    m_shown->replace(std::move(loaded), path, lastSeenLabel);
    m_versions->fill(m_shown->document().releases, m_shown->newReleaseCount());
    showNewReleaseCount();
    UpdateCaption();
    showPlace(place);
    emit historyLoaded();
    return result;
}

void frmMain::showNewReleaseCount()
{
    const int count = m_shown->newReleaseCount();
    m_w.statusNew->setText(newReleasesStatusText(count));
    m_w.statusNew->setVisible(count > 0);
}

// A newly opened history starts at its first release (with none, nothing is shown); one read again
// shows what was shown before.
void frmMain::showPlace(const ShownPlace &place)
{
    const int position = place.positionIn(m_shown->document());
    const ReleaseIndex release(std::max(position, 0) - 1);
    const bool newShown = place.newShown() && m_shown->newReleaseCount() > 0;
    if (place.searchResultsShown()) {
        m_search->SearchAgain();
        ChangesView view = m_shown->view();
        view.releaseIndex = newShown ? ChangesView::All : release;
        view.lastSeen = newShown ? m_shown->lastSeen() : ReleaseIndex();
        view.mode = ChangesListMode::SearchResults;
        m_shown->setView(view);
        m_selection->showRow(ListRow(m_changesModel->rowCount() > 1 ? 1 : 0));
    } else if (newShown) {
        m_shown->showNew();
    } else if (position >= 0) {
        m_shown->showRelease(release);
    } else {
        // Nothing to list: nothing to count either.
        m_w.Text1->clear();
        m_w.statusPanel1->clear();
    }
    m_selection->showRow(place.rowIn(m_shown->document(), m_changesModel->content().rows));
}

void frmMain::UpdateCaption()
{
    setWindowTitle(QStringLiteral("%1 %2.%3%4 - %5")
                       .arg(ProgramTitle)
                       .arg(VELOMIR_VERSION_MAJOR)
                       .arg(VELOMIR_VERSION_MINOR)
                       .arg(VELOMIR_VERSION_PATCH)
                       .arg(QDir::toNativeSeparators(m_shown->filePath())));
}

void frmMain::versionItemClicked(int position)
{
    if (position < 0 || position >= m_versions->count())
        return;
    const ReleasesListPlaces places = m_shown->listPlaces();
    if (position == places.newPosition())
        m_shown->showNew();
    else
        m_shown->showRelease(places.releaseAt(position));
}

// The view changed: the commands show its filter and order, the releases list its release, and the
// changes list is built afresh.
void frmMain::showView()
{
    const ChangesView &view = m_shown->view();
    m_menus.mnuViewAllChanges->setChecked(view.filter == ViewFilter::AllChanges);
    m_menus.mnuViewAdditions->setChecked(view.filter == ViewFilter::Additions);
    m_menus.mnuViewFixes->setChecked(view.filter == ViewFilter::Fixes);
    pressFilterButtons(view.filter);
    m_menus.mnuViewReversedList->setChecked(view.reversed);
    m_mainToolbar->setPressed(ToolbarKey::ReversedList, view.reversed);
    if (m_versions->count() > 0) {
        m_versions->makeCurrent(m_shown->listPlaces().positionOf(view));
        // While search results are listed no release is shown as current.
        if (view.searchResultsShown())
            m_versions->unmarkCurrent();
    }
    BuildChangesList();
}

void frmMain::BuildChangesList()
{
    if (m_isLoading)
        return;
    if (m_shown->view().searchResultsShown()) {
        m_search->ListSearchResults();
        return;
    }
    if (m_versions->current() < 0)
        return; // nothing loaded yet
    const WaitCursor wait;
    ChangesListContent content =
        ::BuildChangesList(m_shown->document(), m_shown->view(), m_changesModel->takeSpareStorage());
    const ListRow selected = content.selectedRow;
    showChangesStatus(content);
    m_changesModel->setContent(&m_shown->document(), std::move(content));
    m_w.lvChangesList->clearSelection();
    if (!selected.isNone()) {
        m_selection->showRow(selected);
    } else {
        m_w.Text1->clear();
    }
}

void frmMain::showChangesStatus(const ChangesListContent &content)
{
    m_w.statusPanel1->setText(
        changesStatusText(m_shown->view().filter, content.AdditionCount, content.FixCount));
}

void frmMain::pressFilterButtons(ViewFilter filter)
{
    m_mainToolbar->setPressed(ToolbarKey::AllChanges, filter == ViewFilter::AllChanges);
    m_mainToolbar->setPressed(ToolbarKey::Additions, filter == ViewFilter::Additions);
    m_mainToolbar->setPressed(ToolbarKey::Fixes, filter == ViewFilter::Fixes);
}

void frmMain::toggleReversedList()
{
    m_shown->setReversed(!m_shown->view().reversed);
}

void frmMain::toggleToolbar()
{
    toggleShown(m_display.edit().ToolbarVisible, m_menus.mnuViewToolbar,
                [this](bool shown) { m_w.Toolbar1->setVisible(shown); });
}

void frmMain::toggleStatusBar()
{
    toggleShown(m_display.edit().StatusBarVisible, m_menus.mnuViewStatusBar,
                [this](bool shown) { statusBar()->setVisible(shown); });
}

void frmMain::toggleWrapPanel()
{
    toggleShown(m_display.edit().WrapPanelVisible, m_menus.mnuViewWrapPanel,
                [this](bool shown) { m_innerSplitter->setRightPanelVisible(shown); });
}

void frmMain::toggleShown(bool &shown, QAction *menu, const std::function<void(bool)> &show)
{
    shown = !shown;
    show(shown);
    menu->setChecked(shown);
    ResizeForm();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        ResizeForm();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::ResizeForm()
{
    // The toolbar and the status bar are docked by the window, so the client area is what lies
    // between them; the container is inset by one pixel on each side.
    const QWidget *client = centralWidget();
    if (!client || !m_outerSplitter)
        return;
    m_w.picMainSplitter->move(1, 1);
    const int width = Twips::fromPixelsX(client->width() - 2);
    const int height = Twips::fromPixelsY(client->height() - 2);
    if (width > 0 && height > 0)
        m_outerSplitter->Resize(height, width);
}

void frmMain::ApplySettings()
{
    const DisplaySettings &s = m_display.get();
    const DisplayColors colors = DisplayColors::of(s);
    colors.applyTo(m_w.lvVersionsList);
    colors.applyTo(m_w.lvChangesList);
    colors.applyTo(m_w.Text1);
    ApplyListFont(m_w.lvVersionsList, s);
    ApplyListFont(m_w.lvChangesList, s);
    ApplyListFont(statusBar(), s);
    ApplyWrapFont(m_w.Text1, s);
    m_changesModel->setLook({colors.foreground, colors.additions, colors.fixes, s.ShowListIcons,
                             ImageList1(2), ImageList1(3), s.DayFormat, s.DateFormat, s.DateInSeparateColumns,
                             m_w.lvChangesList->font()});
    SetupChangeColumns();
    BuildChangesList();
}

void frmMain::SetupChangeColumns()
{
    const DisplaySettings &s = m_display.get();
    ChangeColumns::setup(m_w.lvChangesList->horizontalHeader(), s.DateInSeparateColumns, m_settings);
    ChangeColumns::fitDateColumns(m_w.lvChangesList->horizontalHeader(), m_w.lvChangesList->font(),
                                  s.DayFormat, s.DateFormat, s.ShowListIcons);
}

void frmMain::saveChangeColumns()
{
    ChangeColumns::save(m_w.lvChangesList->horizontalHeader(), m_display.get().DateInSeparateColumns,
                        m_settings);
}

void frmMain::SaveLayoutSettings()
{
    DisplaySettings &s = m_display.edit();
    s.SplitPosition2 = static_cast<int>(m_innerSplitter->SplitPosition());
    s.SplitPosition = static_cast<int>(m_outerSplitter->SplitPosition());
    saveChangeColumns();
    m_settings.write(
        SectionVelomir, KeyColumnHeadersSize2,
        QString::number(ColumnWidths::toStore(m_w.lvVersionsList->columnWidth(0), storedVersionWidth())));
    SaveViewState(s, m_shown->view().reversed, m_settings);
    RecordWindowPlacement();
}

int frmMain::storedVersionWidth()
{
    const QString stored = m_settings.read(SectionVelomir, KeyColumnHeadersSize2, QString());
    const int twips = ColumnWidths::numbers(stored).value(0);
    return twips > 0 ? twips : 4400;
}

void frmMain::RestoreWindowPlacement()
{
    m_placement = ScreenPlacement::place(
        this, WindowPlacement::LoadWindowPlacement([this](const QString &key, const QString &defaultValue) {
            return m_settings.read(SectionVelomir, key, defaultValue);
        }));
}

void frmMain::RecordWindowPlacement()
{
    m_placement = ScreenPlacement::record(this, m_placement);
    m_placement.SaveWindowPlacement(
        [this](const QString &key, const QString &value) { m_settings.write(SectionVelomir, key, value); });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        m_closing = true;
        SaveLayoutSettings();
        rememberSeenReleases();
        if (m_findDialog) {
            m_findDialog->saveOnUnload();
            m_findDialog->hide();
        }
    }
    QMainWindow::closeEvent(event);
}

void frmMain::createChangeCommands()
{
    const ChangeSelection::Widgets selectionWidgets{m_w.lvChangesList, m_changesModel, m_w.Text1,
                                                    m_w.statusPanel2, m_versions};
    m_selection = new ChangeSelection(selectionWidgets, *m_shown, this);
    const SearchCommands::Widgets searchWidgets{this, m_w.lvChangesList, m_changesModel, m_w.statusPanel1};
    m_search = new SearchCommands(searchWidgets, *m_shown, *m_selection, this);
    connect(m_selection, &ChangeSelection::wrapPanelWanted, this, &frmMain::openWrapPanel);
    connect(m_search, &SearchCommands::wrapPanelWanted, this, &frmMain::openWrapPanel);
}

void frmMain::focusChangesList()
{
    m_w.lvChangesList->setFocus();
}

void frmMain::openWrapPanel()
{
    if (!m_display.get().WrapPanelVisible)
        toggleWrapPanel();
}
