#include "DataTable.h"
#include "MemorySettingsStore.h"
#include "mainwin/DisplaySettings.h"
#include "settings/cProfile.h"
#include "stats/ReleasesChart.h"
#include "stats/StatisticsWindowSettings.h"
#include "stats/WeekdaysChart.h"
#include "stats/frmStatistics.h"
#include "widgets/MessageBox.h"

#include "StatsHistory.h"

#include <QAbstractAxis>
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableView>
#include <QXYSeries>

#include <algorithm>
#include <memory>

namespace {

// The open window over the two releases, recording the releases it asks the main window to show;
// its summary (ListView1) and release list (ListView2) under model testers. The list font is the
// desktop's, at `listFontSize` points when given.
struct Window
{
    HistoryDocument document = twoReleases();
    DisplaySettings display;
    QStringList keysShown;
    frmStatistics window;
    QTableView *summary = window.findChild<QTableView *>(QStringLiteral("ListView1"));
    QTableView *releases = window.findChild<QTableView *>(QStringLiteral("ListView2"));
    WeekdaysChart *weekdayChart = window.findChild<WeekdaysChart *>(QStringLiteral("chtWeekdays"));
    ReleasesChart *releaseChart = window.findChild<ReleasesChart *>(QStringLiteral("chtReleases"));
    QAbstractItemModelTester summaryTester{summary->model(),
                                           QAbstractItemModelTester::FailureReportingMode::QtTest};
    QAbstractItemModelTester releasesTester{releases->model(),
                                            QAbstractItemModelTester::FailureReportingMode::QtTest};

    explicit Window(SettingsStore &settings, int listFontSize = 0)
        : display(withListFont(listFontSize))
        , window(document, display, settings)
    {
        QObject::connect(&window, &frmStatistics::releaseChosen,
                         [this](const QString &key) { keysShown << key; });
        window.show();
    }
    static DisplaySettings withListFont(int size)
    {
        DisplaySettings settings;
        settings.ListFont = FontSetting{QFont().family(), 0, size, 0};
        return settings;
    }
};

// Series 0: the marks on the selected releases, at each one's additions and fixes; 1 and 2: the lines.
QList<QPointF> releasePoints(const ReleasesChart *chart, int series)
{
    return static_cast<const QXYSeries *>(chart->chart()->series().at(series))->points();
}

} // namespace

class tst_frmStatistics : public QObject
{
    Q_OBJECT

    std::optional<MemorySettingsStore> m_settings;

private slots:
    void init()
    {
        m_settings.emplace();
        MessageBox::scriptAnswers(MessageBox::Answer::Ok);
    }
    void cleanup() { MessageBox::stopScripting(); }

    // The first release is selected on opening; each selection the keyboard makes reaches the
    // summary's totals and both charts.
    void selectionReachesSummaryAndCharts()
    {
        Window w(*m_settings);
        QVERIFY(w.weekdayChart && w.releaseChart);
        const auto totals = [&w] {
            const QAbstractItemModel *model = w.summary->model();
            return QStringList{model->index(7, 0).data().toString(), model->index(8, 0).data().toString(),
                               model->index(8, 1).data().toString(), model->index(8, 2).data().toString(),
                               model->index(8, 3).data().toString()};
        };
        QCOMPARE(totals(), (QStringList{"--------", "Total", "0", "1", "1"}));
        QCOMPARE(releasePoints(w.releaseChart, 0), (QList<QPointF>{{2, 0}, {2, 1}}));
        const QList<QBarSet *> bars =
            static_cast<QBarSeries *>(w.weekdayChart->chart()->series().at(0))->barSets();

        w.releases->setFocus();
        QTest::keyClick(w.releases, Qt::Key_End);
        QTest::keyClick(w.releases, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(totals(), (QStringList{"--------", "Total", "2", "2", "1"}));
        QCOMPARE(releasePoints(w.releaseChart, 0), (QList<QPointF>{{1, 2}, {1, 1}, {2, 0}, {2, 1}}));
        // The heights of the bars, Sunday first: the additions, then the fixes.
        QList<qreal> heights;
        for (const QBarSet *set : bars) {
            for (int day = 0; day < set->count(); ++day)
                heights << set->at(day);
        }
        QCOMPARE(heights, (QList<qreal>{2, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
    }

    // With every release selected the lines still show their own colour at each release, and
    // marks of many releases shrink to the room between them.
    void marksLeaveTheLinesReadable()
    {
        Window w(*m_settings);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.releases->setFocus();
        QTest::keyClick(w.releases, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(releasePoints(w.releaseChart, 0).size(), 4);
        const QImage image = w.releaseChart->image();
        QChart *chart = w.releaseChart->chart();
        for (int series : {1, 2}) {
            auto *line = static_cast<QXYSeries *>(chart->series().at(series));
            const QPointF from = chart->mapToPosition(line->at(0), line);
            const QPointF to = chart->mapToPosition(line->at(1), line);
            // Inside the marks at both ends, off the axis.
            const QPointF inward = (to - from) * (3 / std::hypot(to.x() - from.x(), to.y() - from.y()));
            for (const QPointF &at : {from + inward, to - inward}) {
                const QColor shown = image.pixelColor(int(at.x()), int(at.y()));
                const QColor drawn = line->color();
                QVERIFY2(std::abs(shown.red() - drawn.red()) + std::abs(shown.green() - drawn.green()) +
                                 std::abs(shown.blue() - drawn.blue()) <
                             48,
                         qPrintable(shown.name() + " for " + drawn.name()));
            }
        }
        ReleasesChart many;
        many.resize(500, 300);
        many.show();
        QVERIFY(QTest::qWaitForWindowExposed(&many));
        StatisticsChartSeries::ReleasePoint selected;
        selected.selected = true;
        many.setSeries(std::vector(400, selected));
        const auto *marks = static_cast<const QScatterSeries *>(many.chart()->series().at(0));
        QVERIFY(marks->markerSize() <= std::max<qreal>(5, many.chart()->plotArea().width() / 400));
    }

    void ctrlCOnChartCopiesImage()
    {
        Window w(*m_settings);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        ReleasesChart *chart = w.releaseChart;
        chart->setFocus();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(chart, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(),
                 chart->viewport()->size() * chart->devicePixelRatio());
        QCOMPARE(MessageBox::beepCount(), 0);
    }

    // Rows as tall as a large font needs; Tab and Shift+Tab go from list to list.
    void listsFitTheFontAndLetTabThrough()
    {
        QFont big;
        big.setPointSize(20);
        Window w(*m_settings, 20);
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        for (const QTableView *list : {w.summary, w.releases}) {
            QVERIFY(list->rowHeight(0) >= QFontMetrics(big).lineSpacing());
            const QString day = list->model()->index(0, 0).data().toString();
            QCOMPARE_GE(list->columnWidth(0), QFontMetrics(list->font()).horizontalAdvance(day)); // whole
        }
        w.releases->setFocus();
        QTest::keyClick(w.releases, Qt::Key_Tab);
        QTRY_VERIFY(w.summary->hasFocus());
        QTest::keyClick(w.summary, Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(w.releases->hasFocus());
        QTest::keyClick(w.releases, Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(!w.releases->hasFocus());
    }

    void copy_data()
    {
        const auto row = addColumns<bool, bool, QString>({"summary", "selectAll", "expected"});
        row("summary with nothing selected starts with a tab", true, false,
            "\tAdditions\tFix\tRelease\r\n" + QString(40, u'=') + "\r\n");
        row("release list with every row", false, true,
            "Day\tDate\tVersion\tAdditions\tFix\r\n" + QString(70, u'=') +
                "\r\nFriday\t06/05/2011\t06.05.11 Release Total Commander 7.0\t0\t1\r\n"
                "\t\tRelease Total Commander 8.0\t2\t1\r\n");
    }
    void copy()
    {
        auto [summary, selectAll] = fetch<bool, bool>({"summary", "selectAll"});
        Window w(*m_settings);
        QTableView *view = summary ? w.summary : w.releases;
        view->setFocus();
        view->clearSelection();
        if (selectAll)
            QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QTEST(QGuiApplication::clipboard()->text(), "expected");
        QCOMPARE(MessageBox::beepCount(), 0);
    }

    void copyWithoutFocusedListBeeps()
    {
        Window w(*m_settings);
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        w.window.findChild<QPushButton *>(QStringLiteral("cmdClose"))->setFocus();
        w.window.findChild<QAction *>(QStringLiteral("mnuContext1Copy"))->trigger();
        w.window.findChild<QAction *>(QStringLiteral("mnuContext1SelectAll"))->trigger();
        QCOMPARE(MessageBox::beepCount(), 2);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    }

    void reopeningRestoresTheLook()
    {
        const QList<std::pair<QString, QString>> look{{StatisticsWindowPositionKey, "600,150,6000,11400"},
                                                      {StatisticsHeadersSizeKey, "1800,1200,1350,1500"},
                                                      {StatisticsHeadersSize2Key, "1500,1650,3000,750,900"},
                                                      {StatisticsSortedColumnKey, "4"},
                                                      {StatisticsSortOrderKey, "0"},
                                                      {StatisticsSortedColumn2Key, "3"},
                                                      {StatisticsSortOrder2Key, "1"},
                                                      {StatisticsSplitPositionKey, "6000"},
                                                      {StatisticsChartSplitPositionKey, "2400"}};
        for (const auto &[key, value] : look)
            m_settings->set(SectionVelomir, key, value);

        Window w(*m_settings);
        QCOMPARE(w.window.size(), QSize(760, 400));
        QCOMPARE(w.summary->columnWidth(0), 120);
        QCOMPARE(w.releases->columnWidth(4), 60);
        QCOMPARE(w.summary->horizontalHeader()->sortIndicatorSection(), 3);
        QCOMPARE(w.summary->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(w.releases->horizontalHeader()->sortIndicatorSection(), 2);
        QCOMPARE(w.releases->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(w.releases->x(), 0);
        QCOMPARE(w.releases->width(), 400);
        QCOMPARE(w.releases->height(), 160);
        w.window.findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();
        for (const auto &[key, value] : look)
            QCOMPARE(m_settings->read(SectionVelomir, key, "(none)"), value);
    }

    void doubleClickAndSpaceJumpToRelease()
    {
        Window w(*m_settings);
        const QPoint second = w.releases->visualRect(w.releases->model()->index(1, 0)).center();
        QTest::mouseClick(w.releases->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseDClick(w.releases->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(w.keysShown, QStringList{"k0"});
        w.releases->setFocus();
        QTest::keyClick(w.releases, Qt::Key_Up);
        QTest::keyClick(w.releases, Qt::Key_Space);
        QCOMPARE(w.keysShown, QStringList({"k0", "k5"}));
    }

    // A click on a release's point selects its row as a click on the row would, Ctrl adding it.
    // The chart runs oldest first, the list newest first.
    void clickOnChartSelectsRelease()
    {
        Window w(*m_settings);
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QChart *chart = w.releaseChart->chart();
        auto *fixes = static_cast<QXYSeries *>(chart->series().at(2));
        const auto pointOf = [&](int release) {
            const QPointF at = chart->mapToScene(chart->mapToPosition(fixes->at(release), fixes));
            return w.releaseChart->mapFromScene(at);
        };
        const auto selected = [&w] {
            QList<int> rows;
            for (const QModelIndex &index : w.releases->selectionModel()->selectedRows())
                rows << index.row();
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        QCOMPARE(selected(), QList<int>{0});
        QTest::mouseClick(w.releaseChart->viewport(), Qt::LeftButton, {}, pointOf(0));
        QCOMPARE(selected(), QList<int>{1});
        QCOMPARE(w.releases->currentIndex().row(), 1);
        QTest::mouseClick(w.releaseChart->viewport(), Qt::LeftButton, Qt::ControlModifier, pointOf(1));
        QCOMPARE(selected(), (QList<int>{0, 1}));
    }

    void followsThePalette_data()
    {
        const auto row = addColumns<QColor, QColor, int, QColor>({"window", "text", "theme", "additions"});
        row("light", QColor(240, 240, 240), QColor(Qt::black), int(QChart::ChartThemeLight),
            QColor(0, 0, 128));
        // Dark blue bars would vanish on a dark chart; they are drawn in a light blue.
        row("dark", QColor(40, 40, 40), QColor(230, 230, 230), int(QChart::ChartThemeDark),
            QColor(127, 127, 255));
    }
    void followsThePalette()
    {
        auto [window, text, additions] = fetch<QColor, QColor, QColor>({"window", "text", "additions"});
        WeekdaysChart chart;
        chart.setColors(QColor(0, 0, 128), QColor(128, 0, 0));
        QPalette palette = chart.palette();
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::Base, window);
        palette.setColor(QPalette::Text, text);
        chart.setPalette(palette);
        QTEST(int(chart.chart()->theme()), "theme");
        for (const QAbstractAxis *axis : chart.chart()->axes())
            QCOMPARE(axis->labelsBrush().color(), text);
        QCOMPARE(chart.chart()->backgroundBrush().color(), window);
        // The theme resets the series' colours; the chart gives them back.
        QCOMPARE(static_cast<QBarSeries *>(chart.chart()->series().at(0))->barSets().at(0)->color().rgb(),
                 additions.rgb());
    }
};

QTEST_MAIN(tst_frmStatistics)
#include "tst_frmStatistics.moc"
