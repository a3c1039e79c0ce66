#include "DataTable.h"
#include "stats/ReleaseStatsModel.h"
#include "stats/StatisticsChartSeries.h"
#include "stats/StatisticsComputation.h"
#include "stats/StatisticsRoles.h"
#include "stats/WeekdayStatsModel.h"

#include "StatsHistory.h"

using ReleasePoint = StatisticsChartSeries::ReleasePoint;

// Newest release first, as the file manager writes it; headers 4 and 7 dated, 0 and 9 not. Line 3
// is an addition without a date, as a pattern like "*Added:*" finds them: it has no weekday.
static HistoryDocument fourReleases()
{
    HistoryDocument document =
        makeDocument({"Release Total Commander 9.0", "09.05.11 Added: a", "10.05.11 Fixed: b",
                      "Added: without a date", "08.05.11 Release Total Commander 8.0", "07.05.11 Added: c",
                      "07.05.11 Fixed: d", "01.05.11 Release Total Commander 7.0", "01.05.11 Fixed: e",
                      "Release Total Commander 6.0", "30.04.11 Added: f"},
                     {0, 4, 7, 9});
    document.lines.setFacts(3_line, {true, false});
    return document;
}

class tst_StatisticsChartSeries : public QObject
{
    Q_OBJECT

private slots:
    // The charts tell what the lists tell: the same counts per weekday and per release, each line
    // once, and no bar for the lines without a weekday.
    void seriesAgreeWithTheLists()
    {
        const HistoryDocument document = fourReleases();
        std::vector<ReleaseStatsRow> rows = GetVersionList(document, "dddd");
        CalcStatistics2(document, rows);
        ReleaseStatsModel releaseTable;
        releaseTable.setRows(rows, "dd/MM/yyyy");
        const WeekdayCounts counts = CalcStatistics(document, lineList({0, 4}), DefaultVersionDetect, "dddd");
        WeekdayStatsModel weekdayTable;
        weekdayTable.setCounts(counts, DayNames("dddd"));

        const auto bars = StatisticsChartSeries::weekdayBars(counts, DayNames("dddd"));
        QCOMPARE(int(bars.size()), WeekdayStatsModel::RuleRow);
        qint64 barAdditions = 0;
        for (int day = 0; day < int(bars.size()); ++day) {
            const auto &bar = bars[std::size_t(day)];
            QCOMPARE((QStringList{bar.dayName, QString::number(bar.additions), QString::number(bar.fixes)}),
                     (QStringList{weekdayTable.index(day, 0).data().toString(),
                                  weekdayTable.index(day, 1).data().toString(),
                                  weekdayTable.index(day, 2).data().toString()}));
            barAdditions += bar.additions;
        }

        // A release named twice is still one release.
        const std::vector<ReleasePoint> points =
            StatisticsChartSeries::releasePoints(rows, lineList({4, 0, 4}));
        QStringList order;
        qint64 selectedAdditions = 0;
        for (const ReleasePoint &point : points) {
            order << point.key + (point.selected ? "*" : "");
            const QModelIndexList found = releaseTable.match(
                releaseTable.index(0, 0), StatisticsRoles::ReleaseKey, point.key, -1, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            QCOMPARE(QString::number(point.additions),
                     releaseTable.index(found[0].row(), 3).data().toString());
            QCOMPARE(QString::number(point.fixes), releaseTable.index(found[0].row(), 4).data().toString());
            selectedAdditions += point.selected ? point.additions : 0;
        }
        // Read bottom up: the undated 6.0 first, the undated 9.0 after 8.0, the release above it.
        QCOMPARE(order, (QStringList{"k9", "k7", "k4*", "k0*"}));
        QCOMPARE(barAdditions + counts.additions[WeekdayCounts::NoWeekday], selectedAdditions);
        QCOMPARE(counts.additions[WeekdayCounts::NoWeekday], qint64(1));
    }

    void releasesOldestFirst_data()
    {
        // "key:yyyy MM dd", or "key:" for a header without a date, in file order.
        const auto row = addColumns<QStringList, QStringList>({"fileOrder", "chartOrder"});
        row("oldest first: as in the file", {"u:", "a:2001 01 01", "v:", "b:2003 01 01"},
            {"u", "a", "v", "b"});
        row("out of date order: moved with the undated release after it",
            {"a:2001 01 01", "c:2005 01 01", "u:", "b:2003 01 01"}, {"a", "b", "c", "u"});
    }
    void releasesOldestFirst()
    {
        QFETCH(QStringList, fileOrder);
        std::vector<ReleaseStatsRow> rows;
        for (const QString &r : fileOrder)
            rows.push_back({r.section(u':', 0, 0), LineIndex(rows.size()), {}, r.section(u':', 1), {}, 0, 0});
        QStringList keys;
        for (const ReleasePoint &point : StatisticsChartSeries::releasePoints(rows, {}))
            keys << point.key;
        QTEST(keys, "chartOrder");
    }
};

QTEST_MAIN(tst_StatisticsChartSeries)
#include "tst_StatisticsChartSeries.moc"
