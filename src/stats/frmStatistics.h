#pragma once

#include "stats/StatisticsWindowSettings.h"
#include "stats/WeekdayCounts.h"
#include "widgets/WindowPlacement.h"

#include <QDialog>

#include <vector>

class SettingsStore;
struct HistoryDocument;
struct DisplaySettings;
class cSplitter;
class QAction;
class QFrame;
class QMenu;
class QPushButton;
class QTableView;
class ReleaseStatsModel;
class ReportListView;
class StatisticsChartsPane;
class StatisticsSortProxy;
class WeekdayStatsModel;

// The statistics of the loaded history: every release with its additions and fixes on the left,
// and on the right the additions, fixes and release headers per weekday of the releases selected
// on the left. Below the lists, as charts, the releases over time with the selected ones marked,
// and the weekday counts as bars. Open it with exec(); it keeps its look in the settings when it
// closes.
class frmStatistics : public QDialog
{
    Q_OBJECT

public:
    // The statistics of `document`, formatted and drawn as `display` says.
    frmStatistics(const HistoryDocument &document, const DisplaySettings &display, SettingsStore &store,
                  QWidget *parent = nullptr);
    ~frmStatistics() override;

    // Shows the weekday counts in the summary list and its chart.
    void ShowStatistics(const WeekdayCounts &counts);

    void done(int result) override;

signals:
    // A release was chosen to be shown in the main window, by its key.
    void releaseChosen(const QString &key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setUpList(QTableView *list, const QFont &font, bool gridLines);
    void restorePlacement();
    void columnClick(QTableView *list, int column);
    void applySort(QTableView *list, int column, StatisticsSortOrder order);
    void CalcStatistics();
    std::vector<int> selectedReleaseRows() const;
    void goToSelectedRelease();
    void selectRelease(const QString &key, Qt::KeyboardModifiers modifiers);
    QTableView *targetList() const;
    void selectAll();
    void copy();
    void showContextMenu(QTableView *list, const QPoint &position);
    void saveSettings();

    const HistoryDocument &m_document;
    const DisplaySettings &m_display;
    SettingsStore &m_store;
    StatisticsWindowSettings m_settings;
    WindowPlacement m_placement; // as placed, so that an unmoved window keeps its twips

    QFrame *m_chartsContainer = nullptr; // the lists above, the charts below
    QFrame *m_chartsBar = nullptr;
    StatisticsChartsPane *m_charts = nullptr;
    QFrame *m_listsContainer = nullptr;
    QFrame *m_splitterBar = nullptr;
    ReportListView *m_weekdayList = nullptr;
    ReportListView *m_releaseList = nullptr;
    QPushButton *m_cmdClose = nullptr;
    QMenu *m_mnuContext1 = nullptr;
    QAction *m_mnuContext1SelectAll = nullptr;
    QAction *m_mnuContext1Copy = nullptr;
    cSplitter *m_splitter = nullptr;
    cSplitter *m_chartsSplitter = nullptr;

    WeekdayStatsModel *m_weekdays = nullptr;
    ReleaseStatsModel *m_releases = nullptr;
    StatisticsSortProxy *m_weekdaysSorted = nullptr;
    StatisticsSortProxy *m_releasesSorted = nullptr;

    QTableView *m_contextList = nullptr;
    bool m_saved = false;
};
