#include "stats/frmStatistics.h"

#include "history/HistoryDocument.h"
#include "mainwin/DisplayColors.h"
#include "mainwin/DisplayFonts.h"
#include "mainwin/DisplaySettings.h"
#include "settings/SettingsStore.h"
#include "settings/cProfile.h"
#include "stats/ReleaseStatsModel.h"
#include "stats/ReleasesChart.h"
#include "stats/StatisticsChartSeries.h"
#include "stats/StatisticsChartsPane.h"
#include "stats/StatisticsComputation.h"
#include "stats/StatisticsRoles.h"
#include "stats/StatisticsSortProxy.h"
#include "stats/WeekdayStatsModel.h"
#include "stats/WeekdaysChart.h"
#include "widgets/MessageBox.h"
#include "widgets/ReportListView.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/Twips.h"
#include "widgets/WaitCursor.h"
#include "widgets/cSplitter.h"
#include "widgets/cStringBuilder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace {

constexpr int MinPanePixels = 180;
constexpr int MinListsPixels = 60;
constexpr int MinChartsPixels = 100;
constexpr int SummaryRuleLength = 40;
constexpr int ReleaseRuleLength = 70;

} // namespace

frmStatistics::frmStatistics(const HistoryDocument &document, const DisplaySettings &display,
                             SettingsStore &store, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_display(display)
    , m_store(store)
{
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(QStringLiteral("Statistics"));
    setModal(true);

    m_settings = StatisticsWindowSettings::load([this](const QString &key, const QString &defaultValue) {
        return m_store.read(SectionVelomir, key, defaultValue);
    });

    m_chartsContainer = new QFrame(this);
    m_chartsContainer->setObjectName(QStringLiteral("picStatistics"));
    m_chartsContainer->move(1, 1);
    m_listsContainer = new QFrame(m_chartsContainer);
    m_listsContainer->setObjectName(QStringLiteral("Picture1"));
    m_splitterBar = new QFrame(m_listsContainer);
    m_splitterBar->setObjectName(QStringLiteral("Frame1"));
    m_releaseList = new ReportListView(m_listsContainer);
    m_releaseList->setObjectName(QStringLiteral("ListView2"));
    m_weekdayList = new ReportListView(m_listsContainer);
    m_weekdayList->setObjectName(QStringLiteral("ListView1"));
    m_chartsBar = new QFrame(m_chartsContainer);
    m_chartsBar->setObjectName(QStringLiteral("Frame2"));
    m_charts = new StatisticsChartsPane(m_chartsContainer);
    const DisplayColors colors = DisplayColors::of(m_display);
    m_charts->releases()->setColors(colors.additions, colors.fixes);
    m_charts->weekdays()->setColors(colors.additions, colors.fixes);
    m_charts->releases()->setDateFormat(m_display.DateFormat);
    m_cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    m_cmdClose->resize(m_cmdClose->sizeHint());
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    m_mnuContext1 = new QMenu(this);
    m_mnuContext1->setObjectName(QStringLiteral("mnuContext1"));
    m_mnuContext1SelectAll = m_mnuContext1->addAction(QStringLiteral("Select &All"));
    m_mnuContext1SelectAll->setObjectName(QStringLiteral("mnuContext1SelectAll"));
    m_mnuContext1->addSeparator()->setObjectName(QStringLiteral("mnuContext1Sep1"));
    m_mnuContext1Copy = m_mnuContext1->addAction(QStringLiteral("&Copy"));
    m_mnuContext1Copy->setObjectName(QStringLiteral("mnuContext1Copy"));
    connect(m_mnuContext1SelectAll, &QAction::triggered, this, &frmStatistics::selectAll);
    connect(m_mnuContext1Copy, &QAction::triggered, this, &frmStatistics::copy);

    m_weekdays = new WeekdayStatsModel(this);
    m_weekdaysSorted = new StatisticsSortProxy(this);
    m_weekdaysSorted->setSourceModel(m_weekdays);
    m_weekdayList->setModel(m_weekdaysSorted);
    m_releases = new ReleaseStatsModel(this);
    m_releasesSorted = new StatisticsSortProxy(this);
    m_releasesSorted->setSourceModel(m_releases);
    m_releaseList->setModel(m_releasesSorted);

    const QFont font = fontFromSetting(m_display.ListFont, this->font().pointSize());
    setUpList(m_weekdayList, font, m_settings.GridLines);
    setUpList(m_releaseList, font, m_settings.GridLines);
    for (int i = 0; i < StatisticsWindowSettings::SummaryColumns; ++i) {
        if (m_settings.HeadersSize[i])
            m_weekdayList->setColumnWidth(i, Twips::toPixelsX(*m_settings.HeadersSize[i]));
    }
    for (int i = 0; i < StatisticsWindowSettings::ReleaseColumns; ++i) {
        if (m_settings.HeadersSize2[i])
            m_releaseList->setColumnWidth(i, Twips::toPixelsX(*m_settings.HeadersSize2[i]));
    }
    restorePlacement();

    applySort(m_weekdayList, m_settings.SortedColumn - 1, m_settings.SortOrder);
    ShowStatistics(WeekdayCounts());
    std::vector<ReleaseStatsRow> rows = GetVersionList(m_document, m_display.DayFormat);
    ::CalcStatistics2(m_document, rows);
    m_releases->setRows(std::move(rows), m_display.DateFormat);
    applySort(m_releaseList, m_settings.SortedColumn2 - 1, m_settings.SortOrder2);
    // The day and date columns show whole days and dates at any font: widened, never narrowed.
    m_releaseList->widenToContents(0);
    m_releaseList->widenToContents(1);
    m_weekdayList->widenToContents(0);

    if (m_releasesSorted->rowCount() > 0) {
        const QModelIndex first = m_releasesSorted->index(0, 0);
        m_releaseList->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect |
                                                                    QItemSelectionModel::Rows);
    }
    CalcStatistics();
    // Every change of the selection, by mouse, keyboard or Select All, reaches the summary.
    connect(m_releaseList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmStatistics::CalcStatistics);
    connect(m_releaseList, &QAbstractItemView::doubleClicked, this, &frmStatistics::goToSelectedRelease);
    connect(m_charts->releases(), &ReleasesChart::releaseClicked, this, &frmStatistics::selectRelease);

    m_splitter = new cSplitter(this);
    m_splitter->MinLeftPanelWidth = Twips::fromPixelsX(MinPanePixels);
    m_splitter->MinRightPanelWidth = Twips::fromPixelsX(MinPanePixels);
    cSplitter::Layout layout;
    layout.direction = cSplitter::SideBySide;
    layout.splitterStartPos = static_cast<int>(m_settings.SplitPosition);
    layout.splitterSize = Twips::fromPixelsX(3);
    (void)m_splitter->CreateSplitter(m_listsContainer, m_splitterBar, m_releaseList, m_weekdayList, layout);
    // A window narrower than the stored split still shows the weekday list; wider again, it gets
    // the split back.
    m_splitter->CheckSplitterPos = true;
    connect(m_splitter, &cSplitter::PanesArranged, this,
            [this] { m_charts->lineUpWith(m_releaseList, m_weekdayList); });

    m_chartsSplitter = new cSplitter(this);
    m_chartsSplitter->MinLeftPanelWidth = Twips::fromPixelsY(MinListsPixels);
    m_chartsSplitter->MinRightPanelWidth = Twips::fromPixelsY(MinChartsPixels);
    m_chartsSplitter->CheckSplitterPos = true;
    cSplitter::Layout charts;
    charts.direction = cSplitter::Stacked;
    charts.splitterStartPos = static_cast<int>(m_settings.ChartSplitPosition);
    charts.splitterSize = Twips::fromPixelsY(3);
    (void)m_chartsSplitter->CreateSplitter(m_chartsContainer, m_chartsBar, m_listsContainer, m_charts,
                                           charts);
    resizeEvent(nullptr);
}

frmStatistics::~frmStatistics() = default;

void frmStatistics::setUpList(QTableView *list, const QFont &font, bool gridLines)
{
    list->setFont(font);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(gridLines);
    list->setFrameShape(QFrame::Box);
    list->setFrameShadow(QFrame::Plain);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->verticalHeader()->hide();
    QHeaderView *header = list->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header, &QHeaderView::sectionClicked, this,
            [this, list](int column) { columnClick(list, column); });
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint &position) { showContextMenu(list, position); });
    list->installEventFilter(this);
}

void frmStatistics::restorePlacement()
{
    WindowPlacement placement;
    placement.Top = m_settings.Top;
    placement.Left = m_settings.Left;
    placement.Height = m_settings.Height;
    placement.Width = m_settings.Width;
    placement.Maximized = false;
    m_placement = ScreenPlacement::place(this, placement);
}

void frmStatistics::resizeEvent(QResizeEvent *event)
{
    if (event)
        QDialog::resizeEvent(event);
    if (!m_chartsSplitter || !m_cmdClose)
        return;
    const int height = this->height();
    const int width = this->width();
    m_chartsSplitter->Resize(static_cast<float>(Twips::fromPixelsY(height - (m_cmdClose->height() + 14))),
                             static_cast<float>(Twips::fromPixelsX(width - 2)));
    m_cmdClose->move(width - m_cmdClose->width() - 6, height - m_cmdClose->height() - 6);
}

// Every click turns the order round, whichever column was sorted before.
void frmStatistics::columnClick(QTableView *list, int column)
{
    const StatisticsSortOrder order = list == m_weekdayList ? m_settings.SortOrder : m_settings.SortOrder2;
    applySort(list, column,
              order == StatisticsSortOrder::Ascending ? StatisticsSortOrder::Descending
                                                      : StatisticsSortOrder::Ascending);
}

void frmStatistics::applySort(QTableView *list, int column, StatisticsSortOrder order)
{
    const bool summary = list == m_weekdayList;
    (summary ? m_settings.SortedColumn : m_settings.SortedColumn2) = column + 1;
    (summary ? m_settings.SortOrder : m_settings.SortOrder2) = order;
    const Qt::SortOrder qtOrder =
        order == StatisticsSortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    (summary ? m_weekdaysSorted : m_releasesSorted)->sort(column, qtOrder);
    list->horizontalHeader()->setSortIndicator(column, qtOrder);
}

void frmStatistics::ShowStatistics(const WeekdayCounts &counts)
{
    const QStringList dayNames = DayNames(m_display.DayFormat);
    m_weekdays->setCounts(counts, dayNames);
    m_charts->weekdays()->setSeries(StatisticsChartSeries::weekdayBars(counts, dayNames));
}

std::vector<int> frmStatistics::selectedReleaseRows() const
{
    std::vector<int> rows;
    const QModelIndexList selected = m_releaseList->selectionModel()->selectedRows();
    rows.reserve(static_cast<std::size_t>(selected.size()));
    for (const QModelIndex &index : selected)
        rows.push_back(m_releasesSorted->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void frmStatistics::CalcStatistics()
{
    const std::vector<int> selected = selectedReleaseRows();
    std::vector<LineIndex> headers;
    headers.reserve(selected.size());
    for (int row : selected)
        headers.push_back(m_releases->row(row).headerLine);
    ShowStatistics(::CalcStatistics(m_document, headers, m_display.VersionDetectList, m_display.DayFormat));
    m_charts->releases()->setSeries(StatisticsChartSeries::releasePoints(m_releases->rows(), headers));
}

void frmStatistics::goToSelectedRelease()
{
    QModelIndex current = m_releaseList->currentIndex();
    if (!current.isValid() || !m_releaseList->selectionModel()->isRowSelected(current.row(), {})) {
        const QModelIndexList selected = m_releaseList->selectionModel()->selectedRows();
        if (selected.isEmpty())
            return;
        current = selected.first();
    }
    emit releaseChosen(current.data(StatisticsRoles::ReleaseKey).toString());
}

// A release clicked on the chart is selected as a click on its row would select it: alone, or
// added to or taken from the selection with Ctrl.
void frmStatistics::selectRelease(const QString &key, Qt::KeyboardModifiers modifiers)
{
    const QModelIndexList found = m_releasesSorted->match(
        m_releasesSorted->index(0, 0), StatisticsRoles::ReleaseKey, key, 1, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    const QItemSelectionModel::SelectionFlags how = modifiers.testFlag(Qt::ControlModifier)
                                                        ? QItemSelectionModel::Toggle
                                                        : QItemSelectionModel::ClearAndSelect;
    m_releaseList->selectionModel()->setCurrentIndex(found.first(), how | QItemSelectionModel::Rows);
    m_releaseList->scrollTo(found.first());
}

QTableView *frmStatistics::targetList() const
{
    if (m_contextList)
        return m_contextList;
    QWidget *focused = focusWidget();
    if (focused == m_weekdayList || focused == m_releaseList)
        return static_cast<QTableView *>(focused);
    return nullptr;
}

void frmStatistics::selectAll()
{
    QTableView *list = targetList();
    if (!list) {
        MessageBox::beep();
        return;
    }
    list->selectAll();
    list->setFocus();
}

void frmStatistics::copy()
{
    QTableView *list = targetList();
    if (!list) {
        MessageBox::beep();
        return;
    }
    const WaitCursor wait;
    const QAbstractItemModel *model = list->model();
    const int columns = model->columnCount();
    cStringBuilder text;
    bool complete = true;
    const auto appendRow = [&](auto textOf) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << textOf(c);
        complete = text.Append(QString(cells.join(u'\t') + QStringLiteral("\r\n"))) && complete;
    };
    appendRow([model](int c) { return model->headerData(c, Qt::Horizontal).toString(); });
    const int rule = list == m_weekdayList ? SummaryRuleLength : ReleaseRuleLength;
    complete = text.Append(QString(QString(rule, u'=') + QStringLiteral("\r\n"))) && complete;
    const QItemSelectionModel *selection = list->selectionModel();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (selection->isRowSelected(r, {}))
            appendRow([model, r](int c) { return model->index(r, c).data().toString(); });
    }
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // A text too big to gather is not put on the clipboard in part.
    if (complete)
        clipboard->setText(text.StringData());
    else
        MessageBox::beep();
}

void frmStatistics::showContextMenu(QTableView *list, const QPoint &position)
{
    m_contextList = list;
    m_mnuContext1->exec(list->viewport()->mapToGlobal(position));
    m_contextList = nullptr;
}

bool frmStatistics::eventFilter(QObject *watched, QEvent *event)
{
    const bool list = watched == m_weekdayList || watched == m_releaseList;
    if (list && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_A || key->key() == Qt::Key_C)) {
            if (event->type() == QEvent::KeyPress)
                key->key() == Qt::Key_A ? selectAll() : copy();
            event->accept();
            return true;
        }
        if (watched == m_releaseList && event->type() == QEvent::KeyPress &&
            key->text() == QStringLiteral(" "))
            goToSelectedRelease();
    }
    return QDialog::eventFilter(watched, event);
}

void frmStatistics::done(int result)
{
    saveSettings();
    QDialog::done(result);
}

void frmStatistics::saveSettings()
{
    if (m_saved)
        return;
    m_saved = true;
    const WindowPlacement placement = ScreenPlacement::record(this, m_placement);
    m_settings.Top = placement.Top;
    m_settings.Left = placement.Left;
    m_settings.Height = placement.Height;
    m_settings.Width = placement.Width;
    for (int i = 0; i < StatisticsWindowSettings::SummaryColumns; ++i)
        m_settings.HeadersSize[i] = Twips::fromPixelsX(m_weekdayList->columnWidth(i));
    for (int i = 0; i < StatisticsWindowSettings::ReleaseColumns; ++i)
        m_settings.HeadersSize2[i] = Twips::fromPixelsX(m_releaseList->columnWidth(i));
    m_settings.SplitPosition = m_splitter->SplitPosition();
    m_settings.ChartSplitPosition = m_chartsSplitter->SplitPosition();
    m_settings.save(
        [this](const QString &key, const QString &value) { m_store.write(SectionVelomir, key, value); });
}
