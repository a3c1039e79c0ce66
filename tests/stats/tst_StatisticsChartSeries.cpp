#include "DataTable.h"
#include "stats/StatisticsChartSeries.h"
#include "stats/StatisticsComputation.h"

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
    // Per weekday the counts of the selected releases, with no bar for the addition without a
    // weekday; per release its own counts, each release once and the selected ones marked.
    void seriesCountPerWeekdayAndRelease()
    {
        const HistoryDocument document = fourReleases();
        std::vector<ReleaseStatsRow> rows = GetVersionList(document, "dddd");
        CalcStatistics2(document, rows);
        const WeekdayCounts counts = CalcStatistics(document, lineList({0, 4}), DefaultVersionDetect, "dddd");
        QStringList bars;
        for (const auto &bar : StatisticsChartSeries::weekdayBars(counts, DayNames("dddd")))
            bars << QStringLiteral("%1 %2 %3").arg(bar.dayName).arg(bar.additions).arg(bar.fixes);
        QCOMPARE(bars, (QStringList{"Sunday 0 0", "Monday 1 0", "Tuesday 0 1", "Wednesday 0 0",
                                    "Thursday 0 0", "Friday 0 0", "Saturday 1 1"}));

        // A release named twice is still one release. Read bottom up: the undated 6.0 first, the
        // undated 9.0 after 8.0, the release above it.
        QStringList points;
        for (const ReleasePoint &point : StatisticsChartSeries::releasePoints(rows, lineList({4, 0, 4})))
            points << QStringLiteral("%1%2 %3 %4")
                          .arg(point.key, point.selected ? "*" : "")
                          .arg(point.additions)
                          .arg(point.fixes);
        QCOMPARE(points, (QStringList{"k9 1 0", "k7 0 1", "k4* 1 1", "k0* 2 1"}));
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
