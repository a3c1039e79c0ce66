#include "app/frmMain.h"

#include "app/ChangeColumns.h"
#include "app/ColumnWidths.h"
#include "app/FileManagerLocation.h"
#include "app/MainToolbar.h"
#include "app/MainWidgets.h"
#include "app/StartFileChoice.h"
#include "history/ChangesListModel.h"
#include "history/HistoryLoader.h"
#include "history/LineRules.h"
#include "mainwin/ChangeSelection.h"
#include "mainwin/DisplayFonts.h"
#include "mainwin/VersionsList.h"
#include "mainwin/frmOptions.h"
#include "search/SearchCommands.h"
#include "search/frmSearchFor.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/cProfile.h"
#include "stats/frmStatistics.h"
#include "version.h"
#include "widgets/MessageBox.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/SystemColors.h"
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
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {
const QString KeyColumnHeadersSize2 = QStringLiteral("ColumnHeadersSize2");
const QString KeyLastFile = QStringLiteral("LastFile");
} // namespace

frmMain::frmMain(cProfile &profile, StartOptions options, QWidget *parent)
    : QMainWindow(parent)
    , m_profile(profile)
    , m_options(std::move(options))
{
    setObjectName(QStringLiteral("frmMain"));
    m_isLoading = true;

    ProfileSettingsStore store(m_profile);
    displaySettings() = LoadDisplaySettings(store);
    RestoreWindowPlacement();

    m_menus = MainMenus::create(this);
    createWidgets();
    createChangeCommands();
    createSplitters();
    connectCommands();
    CreateMainToolbar();

    // The stored flags are applied by running each command once on the inverted flag.
    DisplaySettings &s = displaySettings();
    s.ToolbarVisible = !s.ToolbarVisible;
    toggleToolbar();
    s.StatusBarVisible = !s.StatusBarVisible;
    toggleStatusBar();
    s.WrapPanelVisible = !s.WrapPanelVisible;
    toggleWrapPanel();
    m_view.reversed = !s.ReversedList;
    toggleReversedList();

    m_text1->clear();
    setWindowTitle(QString());
}

frmMain::~frmMain() = default;

void frmMain::createWidgets()
{
    const MainWidgets w = MainWidgets::create(this);
    m_toolbar = w.Toolbar1;
    m_picMainSplitter = w.picMainSplitter;
    m_frame2 = w.Frame2;
    m_lvVersionsList = w.lvVersionsList;
    m_picSpliterContainer = w.picSpliterContainer;
    m_frame1 = w.Frame1;
    m_lvChangesList = w.lvChangesList;
    m_text1 = w.Text1;
    m_statusPanel1 = w.statusPanel1;
    m_statusPanel2 = w.statusPanel2;
    w.clientArea->installEventFilter(this);

    m_mainToolbar = new MainToolbar(m_toolbar, m_menus, this);
    m_lvVersionsList->setColumnWidth(0, Twips::toPixelsX(storedVersionWidth()));
    m_versions = new VersionsList(m_lvVersionsList, this);
    m_changesModel = new ChangesListModel(this);
    m_lvChangesList->setModel(m_changesModel);
    SetupChangeColumns();
}

void frmMain::createSplitters()
{
    const DisplaySettings &s = displaySettings();
    m_picMainSplitter->move(1, 1);
    m_outerSplitter = std::make_unique<cSplitter>();
    cSplitter::Layout outer;
    outer.direction = cSplitter::SideBySide;
    outer.splitterStartPos = s.SplitPosition;
    outer.splitterSize = Twips::fromPixelsX(3);
    (void)m_outerSplitter->CreateSplitter(m_picMainSplitter, m_frame2, m_lvVersionsList,
                                          m_picSpliterContainer, outer);
    m_innerSplitter = std::make_unique<cSplitter>();
    cSplitter::Layout inner;
    inner.direction = cSplitter::Stacked;
    inner.splitterStartPos = s.SplitPosition2;
    inner.splitterSize = Twips::fromPixelsX(3);
    (void)m_innerSplitter->CreateSplitter(m_picSpliterContainer, m_frame1, m_lvChangesList, m_text1, inner);
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
            [this] { setViewFilter(ViewFilter::AllChanges); });
    connect(m_menus.mnuViewAdditions, &QAction::triggered, this,
            [this] { setViewFilter(ViewFilter::Additions); });
    connect(m_menus.mnuViewFixes, &QAction::triggered, this, [this] { setViewFilter(ViewFilter::Fixes); });
    connect(m_menus.mnuViewReversedList, &QAction::triggered, this, &frmMain::toggleReversedList);
    connect(m_menus.mnuViewOptions, &QAction::triggered, this, &frmMain::showOptions);
    connect(m_menus.mnuHelpAbout, &QAction::triggered, this, &frmMain::showAbout);
    connect(m_menus.mnuFileStatistics, &QAction::triggered, this, &frmMain::showStatistics);
    connect(m_versions, &VersionsList::itemClicked, this, &frmMain::versionItemClicked);
    connect(m_menus.mnuSearchFind, &QAction::triggered, this, [this] { findDialog().ShowFind(); });
    connect(m_menus.mnuSearchFindNext, &QAction::triggered, this, [this] { findDialog().FindNextString(); });
}

void frmMain::CreateMainToolbar()
{
    ProfileSettingsStore store(m_profile);
    const QString marker = globals().MissingValueMarker;
    const QString stored = store.read(SectionVelomir, KeyToolbarButtons, marker);
    const QString layout = chooseToolbarLayout(
        store.read(SectionVelomir, KeyDefaultToolbar, QStringLiteral("1")), stored, stored != marker);
    m_mainToolbar->CreateMainToolbar(parseToolbarButtons(layout));
    m_mainToolbar->setIgnoreRightClick(
        store.read(SectionVelomir, KeyToolbarIgnoreRightClick, QStringLiteral("0")).trimmed() ==
        QLatin1String("1"));
    pressFilterButtons(m_view.filter);
    m_mainToolbar->setPressed(ToolbarKey::ReversedList, m_view.reversed);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_wasActivated) {
        m_wasActivated = true;
        // Loading waits until the window is on screen, so a large file never delays its first paint.
        QTimer::singleShot(0, this, &frmMain::firstActivation);
    }
}

void frmMain::firstActivation()
{
    ApplySettings();
    m_innerSplitter->CheckSplitterPos = true;
    m_innerSplitter->keepSecondPaneInside();
    m_menus.mnuViewAllChanges->setChecked(true);
    m_view.filter = ViewFilter::AllChanges;
    m_mainToolbar->setPressed(ToolbarKey::AllChanges, true);

    // The file named at start (or the file manager's History.txt), else the one opened last time,
    // else the sample named by --fallback, else the open dialog.
    const QString marker = globals().MissingValueMarker;
    StartFileInputs inputs;
    inputs.missingValueMarker = marker;
    inputs.commandLine = m_options.commandLineFile;
    inputs.fileManagerDir = globals().FileManagerDir;
    inputs.lastFile = ProfileSettingsStore(m_profile).read(SectionVelomir, KeyLastFile, marker);
    inputs.expandPath = [](const QString &path) { return ExpandPath(path); };
    inputs.fileExists = [](const QString &path) { return FileExists(path); };
    StartFileChoice choice = StartFileChoice::choose(inputs);
    if (choice.source == StartFileSource::OpenDialog && !m_options.fallbackFile.isEmpty() &&
        FileExists(m_options.fallbackFile))
        choice = {StartFileSource::CommandLine, m_options.fallbackFile};

    if (choice.source != StartFileSource::OpenDialog) {
        m_isLoading = false;
        if (LoadHistory(choice.path)) {
            setViewFilter(ViewFilter::AllChanges);
            m_lvChangesList->setFocus();
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
        globals().FileManagerDir == globals().MissingValueMarker ? QString() : globals().FileManagerDir;
    cCommonDialog::OpenRequest request;
    request.startDir = startDir;
    request.proposedName = QStringLiteral("History.txt");
    request.filterNumber = cCommonDialog::TextFilesFilter;
    request.fileMustExist = true;
    const auto answer = cCommonDialog::ShowOpenDialog(this, request);
    if (!answer.confirmed)
        return;
    m_isLoading = false;
    if (LoadHistory(answer.path))
        ProfileSettingsStore(m_profile).write(SectionVelomir, KeyLastFile, CollapsePath(answer.path));
}

void frmMain::showOptions()
{
    ProfileSettingsStore store(m_profile);
    frmOptions::ShowOptions(displaySettings(), store, *this, this);
}

frmSearchFor &frmMain::findDialog()
{
    // Made the first time it is needed; "Find Next" may ask before the dialog was ever shown.
    if (!m_findDialog) {
        m_findDialog = new frmSearchFor(*this, m_profile, this);
        setSearchTextSource(m_findDialog);
    }
    return *m_findDialog;
}

void frmMain::showStatistics()
{
    frmStatistics statistics(*this, m_profile, this);
    statistics.exec();
}

QStringList frmMain::versionDetectList() const
{
    return displaySettings().VersionDetectList;
}

QString frmMain::dayFormat() const
{
    return displaySettings().DayFormat;
}

QString frmMain::dateFormat() const
{
    return displaySettings().DateFormat;
}

QFont frmMain::listFont() const
{
    return m_lvChangesList->font();
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
    HistoryDocument loaded;
    LoadResult result;
    {
        const WaitCursor wait;
        // Shown only when the load has taken, or promises to take, more than half a second.
        QProgressDialog progress(QStringLiteral("Loading %1").arg(QDir::toNativeSeparators(path)), QString(),
                                 0, 100, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        progress.setCancelButton(nullptr);
        result = ::LoadHistory(path, displaySettings().detection(), loaded,
                               [&progress](double done) { progress.setValue(qRound(done * 100)); });
    }
    if (!result.ok) {
        // What is shown stays: a file that cannot be read never empties the window.
        MessageBox::critical(this, QStringLiteral("Cannot read \"%1\":\n%2").arg(path, result.error));
        return false;
    }
    m_changesModel->setContent(nullptr, {});
    m_document = std::move(loaded);
    m_historyFilePath = path;
    m_versions->fill(m_document.releases);
    UpdateCaption();
    if (m_versions->count() >= 2)
        versionItemClicked(1);
    else
        m_text1->clear();
    emit historyLoaded();
    return true;
}

void frmMain::UpdateCaption()
{
    setWindowTitle(QStringLiteral("%1 %2.%3%4 - %5")
                       .arg(ProgramTitle)
                       .arg(VELOMIR_VERSION_MAJOR)
                       .arg(VELOMIR_VERSION_MINOR)
                       .arg(VELOMIR_VERSION_PATCH)
                       .arg(QDir::toNativeSeparators(m_historyFilePath)));
}

void frmMain::versionItemClicked(int position)
{
    if (position < 0 || position >= m_versions->count())
        return;
    // Position 0 is "All"; release r stands at position r + 1.
    m_view.releaseIndex = position - 1;
    m_view.mode = ChangesListMode::Changes;
    m_versions->makeCurrent(position);
    BuildChangesList();
}

bool frmMain::GoToVersion(const QString &strKey)
{
    const int position = m_versions->positionOfKey(strKey);
    if (position < 0)
        return false;
    versionItemClicked(position);
    return true;
}

void frmMain::BuildChangesList()
{
    if (m_isLoading)
        return;
    if (m_view.searchResultsShown()) {
        m_search->ListSearchResults();
        return;
    }
    if (m_versions->current() < 0)
        return; // nothing loaded yet
    const WaitCursor wait;
    ChangesListContent content = ::BuildChangesList(m_document, m_view, m_changesModel->takeSpareStorage());
    const ListRow selected = content.selectedRow;
    showChangesStatus(content);
    m_changesModel->setContent(&m_document, std::move(content));
    m_lvChangesList->clearSelection();
    if (!selected.isNone()) {
        m_selection->showRow(selected);
    } else {
        m_text1->clear();
    }
}

void frmMain::showChangesStatus(const ChangesListContent &content)
{
    m_statusPanel1->setText(changesStatusText(m_view.filter, content.AdditionCount, content.FixCount));
}

void frmMain::setViewFilter(ViewFilter filter)
{
    m_view.filter = filter;
    m_menus.mnuViewAllChanges->setChecked(filter == ViewFilter::AllChanges);
    m_menus.mnuViewAdditions->setChecked(filter == ViewFilter::Additions);
    m_menus.mnuViewFixes->setChecked(filter == ViewFilter::Fixes);
    pressFilterButtons(filter);
    BuildChangesList();
}

void frmMain::pressFilterButtons(ViewFilter filter)
{
    m_mainToolbar->setPressed(ToolbarKey::AllChanges, filter == ViewFilter::AllChanges);
    m_mainToolbar->setPressed(ToolbarKey::Additions, filter == ViewFilter::Additions);
    m_mainToolbar->setPressed(ToolbarKey::Fixes, filter == ViewFilter::Fixes);
}

void frmMain::toggleReversedList()
{
    m_view.reversed = !m_view.reversed;
    m_menus.mnuViewReversedList->setChecked(m_view.reversed);
    m_mainToolbar->setPressed(ToolbarKey::ReversedList, m_view.reversed);
    BuildChangesList();
}

void frmMain::toggleToolbar()
{
    DisplaySettings &s = displaySettings();
    s.ToolbarVisible = !s.ToolbarVisible;
    m_toolbar->setVisible(s.ToolbarVisible);
    m_menus.mnuViewToolbar->setChecked(s.ToolbarVisible);
    ResizeForm();
}

void frmMain::toggleStatusBar()
{
    DisplaySettings &s = displaySettings();
    s.StatusBarVisible = !s.StatusBarVisible;
    statusBar()->setVisible(s.StatusBarVisible);
    m_menus.mnuViewStatusBar->setChecked(s.StatusBarVisible);
    ResizeForm();
}

void frmMain::toggleWrapPanel()
{
    DisplaySettings &s = displaySettings();
    s.WrapPanelVisible = !s.WrapPanelVisible;
    m_innerSplitter->setRightPanelVisible(s.WrapPanelVisible);
    m_menus.mnuViewWrapPanel->setChecked(s.WrapPanelVisible);
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
    m_picMainSplitter->move(1, 1);
    const int width = Twips::fromPixelsX(client->width() - 2);
    const int height = Twips::fromPixelsY(client->height() - 2);
    if (width > 0 && height > 0)
        m_outerSplitter->Resize(height, width);
}

void frmMain::ApplySettings()
{
    const DisplaySettings &s = displaySettings();
    const QColor background = colorFromStored(s.BackgroundColor);
    const QColor foreground = colorFromStored(s.ForegroundColor);
    for (QWidget *control : {static_cast<QWidget *>(m_lvVersionsList),
                             static_cast<QWidget *>(m_lvChangesList), static_cast<QWidget *>(m_text1)}) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Text, foreground);
        control->setPalette(palette);
    }
    ApplyListFont(m_lvVersionsList, s);
    ApplyListFont(m_lvChangesList, s);
    ApplyListFont(statusBar(), s);
    ApplyWrapFont(m_text1, s);

    ChangesListLook look;
    look.foreground = foreground;
    look.additions = readableOn(colorFromStored(s.AdditionsColor), background);
    look.fixes = readableOn(colorFromStored(s.FixesColor), background);
    look.showIcons = s.ShowListIcons;
    look.additionIcon = ImageList1(2);
    look.fixIcon = ImageList1(3);
    look.dayFormat = s.DayFormat;
    look.dateFormat = s.DateFormat;
    look.separateColumns = s.DateInSeparateColumns;
    look.font = m_lvChangesList->font();
    m_changesModel->setLook(look);
    SetupChangeColumns();
    BuildChangesList();
}

void frmMain::SetupChangeColumns()
{
    ProfileSettingsStore store(m_profile);
    ChangeColumns::setup(m_lvChangesList->horizontalHeader(), displaySettings().DateInSeparateColumns, store);
}

void frmMain::saveChangeColumns()
{
    ProfileSettingsStore store(m_profile);
    ChangeColumns::save(m_lvChangesList->horizontalHeader(), displaySettings().DateInSeparateColumns, store);
}

void frmMain::SaveLayoutSettings()
{
    ProfileSettingsStore store(m_profile);
    DisplaySettings &s = displaySettings();
    s.SplitPosition2 = static_cast<int>(m_innerSplitter->SplitPosition());
    s.SplitPosition = static_cast<int>(m_outerSplitter->SplitPosition());
    saveChangeColumns();
    store.write(
        SectionVelomir, KeyColumnHeadersSize2,
        QString::number(ColumnWidths::toStore(m_lvVersionsList->columnWidth(0), storedVersionWidth())));
    s.ReversedList = m_view.reversed;
    SaveViewState(s, store);
    RecordWindowPlacement();
}

int frmMain::storedVersionWidth()
{
    const QString stored =
        ProfileSettingsStore(m_profile).read(SectionVelomir, KeyColumnHeadersSize2, QString());
    const int twips = ColumnWidths::numbers(stored).value(0);
    return twips > 0 ? twips : 4400;
}

void frmMain::RestoreWindowPlacement()
{
    ProfileSettingsStore store(m_profile);
    m_placement = ScreenPlacement::place(
        this, WindowPlacement::LoadWindowPlacement([&store](const QString &key, const QString &defaultValue) {
            return store.read(SectionVelomir, key, defaultValue);
        }));
}

void frmMain::RecordWindowPlacement()
{
    ProfileSettingsStore store(m_profile);
    m_placement = ScreenPlacement::record(this, m_placement);
    m_placement.SaveWindowPlacement(
        [&store](const QString &key, const QString &value) { store.write(SectionVelomir, key, value); });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        m_closing = true;
        SaveLayoutSettings();
        if (m_findDialog) {
            m_findDialog->saveOnUnload();
            m_findDialog->hide();
        }
    }
    QMainWindow::closeEvent(event);
}

void frmMain::createChangeCommands()
{
    const ChangeSelection::Widgets selectionWidgets{m_lvChangesList, m_changesModel, m_text1, m_statusPanel2,
                                                    m_versions};
    m_selection = new ChangeSelection(selectionWidgets, m_document, m_view, *this, this);
    const SearchCommands::Widgets searchWidgets{this, m_lvChangesList, m_changesModel, m_statusPanel1};
    m_search = new SearchCommands(searchWidgets, m_document, m_view, *this, *m_selection, this);
}

LineIndex frmMain::FindString(const QString &text, LineIndex startItem, SearchIn searchIn, bool wholeWord)
{
    return m_search->FindString(text, startItem, searchIn, wholeWord);
}

void frmMain::FindAll(const QString &text, SearchIn searchIn, bool wholeWord)
{
    m_search->FindAll(text, searchIn, wholeWord);
}

LineIndex frmMain::LastLineIndex() const
{
    return m_document.lines.lastLineIndex();
}
void frmMain::focusChangesList()
{
    m_lvChangesList->setFocus();
}
void frmMain::setFindNextEnabled(bool enabled)
{
    m_menus.mnuSearchFindNext->setEnabled(enabled);
}
void frmMain::GoToLine(LineIndex line)
{
    m_selection->GoToLine(line);
}
const std::vector<LineIndex> &frmMain::SearchResultLines() const
{
    return m_search->SearchResultLines();
}
void frmMain::setSearchTextSource(const SearchTextSource *source)
{
    m_selection->setSearchTextSource(source);
}

void frmMain::showVersionItem(int position)
{
    versionItemClicked(position);
}
void frmMain::showAllChanges()
{
    setViewFilter(ViewFilter::AllChanges);
}

void frmMain::openWrapPanel()
{
    if (!displaySettings().WrapPanelVisible)
        toggleWrapPanel();
}

void frmMain::enterSearchResults()
{
    m_view.mode = ChangesListMode::SearchResults;
    m_versions->unmarkCurrent();
}
