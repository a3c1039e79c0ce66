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

    // -1 for no point. Release i stands at i + 1 on the time axis, day i at i on the day axis.
    void pointAt_data()
    {
        const auto row = addColumns<qreal, qreal, int, int>({"x", "firstX", "count", "point"});
        row("before the first half step", 0.49, 1, 3, -1);
        row("first half step", 0.5, 1, 3, 0);
        row("halfway: the later point", 1.5, 1, 3, 1);
        row("last half step", 3.49, 1, 3, 2);
        row("after the last half step", 3.5, 1, 3, -1);
        row("no points", 1, 1, 0, -1);
        row("no plot area", qQNaN(), 1, 3, -1);
        row("left of the first day", -0.3, 0, 7, 0);
    }
    void pointAt()
    {
        auto [x, firstX, count] = fetch<qreal, qreal, int>({"x", "firstX", "count"});
        const std::optional<std::size_t> point =
            StatisticsChartSeries::pointAt(x, firstX, static_cast<std::size_t>(count));
        QTEST(point ? static_cast<int>(*point) : -1, "point");
    }

    // The day and date as the release list shows them; a header without a date gets no date line
    // rather than an empty one.
    void tips()
    {
        ReleasePoint point{"k5", "06.05.11 Release 7.0", "Friday", "2011 05 06", 3, 1, false};
        QCOMPARE(StatisticsChartSeries::releaseTip(point, "dd.MM.yyyy"),
                 "06.05.11 Release 7.0\nFriday 06.05.2011\n3 Additions, 1 Fixes");
        point = {"k0", "Release 8.0", {}, {}, 0, 2, true};
        QCOMPARE(StatisticsChartSeries::releaseTip(point, "dd.MM.yyyy"), "Release 8.0\n0 Additions, 2 Fixes");
        QCOMPARE(StatisticsChartSeries::weekdayTip({"Sunday", 2, 0}), "Sunday\n2 Additions, 0 Fixes");
    }
};

QTEST_MAIN(tst_StatisticsChartSeries)
#include "tst_StatisticsChartSeries.moc"
