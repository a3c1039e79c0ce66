#include "DataTable.h"
#include "ReportText.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdaysReport.h"

#include "StatsHistory.h"

using Counts = std::initializer_list<std::pair<int, qint64>>;

static WeekdayCounts counts(Counts additions, Counts fixes, Counts headers)
{
    WeekdayCounts c;
    for (auto [day, n] : additions)
        c.additions[day] = n;
    for (auto [day, n] : fixes)
        c.fixes[day] = n;
    for (auto [day, n] : headers)
        c.headers[day] = n;
    return c;
}

// "New in version 4.0 (10.03.99)" as release detection leaves it: date moved to the front.
static HistoryDocument rewrittenOldHeader()
{
    HistoryDocument document = makeDocument(
        {QStringLiteral("New in version 4.0 (10.03.99)"), QStringLiteral("10.03.99 Added: x")}, {0});
    document.lines.replaceLine(0_line, "10.03.99 New in version 4.0");
    document.lines.setFacts(0_line, {false, false});
    return document;
}

class tst_StatisticsComputation : public QObject
{
    Q_OBJECT

private slots:
    void weekdayCounts_data()
    {
        const auto row = addColumns<HistoryDocument, QList<LineIndex>, QString, WeekdayCounts>(
            {"document", "selected", "dayFormat", "expected"});
        const QList<LineIndex> both{0_line, 5_line};
        row("no release selected", twoReleases(), {}, "dddd", WeekdayCounts());
        row("format giving one text for every date counts on the first weekday", twoReleases(), both, "MM",
            counts({{1, 2}}, {{1, 2}}, {{1, 1}}));
        row("short day names", twoReleases(), {0_line}, "ddd", counts({{1, 2}}, {{2, 1}}, {}));
        row("rewritten old-style header counts on its weekday", rewrittenOldHeader(), {0_line}, "dddd",
            counts({{4, 1}}, {}, {{4, 1}}));
    }
    void weekdayCounts()
    {
        auto [document, selected, dayFormat] =
            fetch<HistoryDocument, QList<LineIndex>, QString>({"document", "selected", "dayFormat"});
        const std::vector<LineIndex> headers(selected.begin(), selected.end());
        QTEST(CalcStatistics(document, headers, DefaultVersionDetect, dayFormat), "expected");
    }

    // Each release counts the changes of its own lines, up to the line before the next header. A
    // fix that names a release is a fix of the release it stands in, on its weekday, and neither
    // starts a release nor counts as a header.
    void perReleaseCounts()
    {
        const HistoryDocument document =
            decodedHistory("Release Total Commander 8.0\r\n"
                           "01.05.11 Added: a\r\n"
                           "02.05.11 Fixed: Release Total Commander 7.0 crashed\r\n"
                           "03.05.11 fixed: c\r\n"
                           "06.05.11 Release Total Commander 7.0\r\n"
                           "07.05.11 Added: d\r\n"
                           "Some note\r\n");
        std::vector<ReleaseStatsRow> rows = GetVersionList(document, QStringLiteral("dddd"));
        CalcStatistics2(document, rows);
        QStringList counted;
        for (const ReleaseStatsRow &row : rows)
            counted << QStringLiteral("%1 %2 %3 %4 %5")
                           .arg(row.key, row.dayText, row.sortableDate)
                           .arg(row.additions)
                           .arg(row.fixes);
        QCOMPARE(counted, (QStringList{"k0   1 2", "k4 Friday 2011 05 06 1 0"}));
        QCOMPARE(CalcStatistics(document, {0_line}, DefaultVersionDetect, QStringLiteral("dddd")),
                 counts({{1, 1}}, {{2, 1}, {3, 1}}, {}));
    }

    void weekdaysReport()
    {
        const auto report = [](const std::vector<LineIndex> &headers) {
            return reportText(::weekdaysReport, twoReleases(), headers, DefaultVersionDetect,
                              QStringLiteral("dddd"));
        };
        // Every release: the undated header counts nowhere, the dated one on its Friday.
        QCOMPARE(
            QString::fromUtf8(report({LineIndex(0), LineIndex(5)})).split(u'\n'),
            QStringList({"Sunday\t2\t0\t0", "Monday\t0\t1\t0", "Tuesday\t0\t0\t0", "Wednesday\t0\t0\t0",
                         "Thursday\t0\t0\t0", "Friday\t0\t0\t1", "Saturday\t0\t1\t0", "Total\t2\t2\t1", ""}));
        // A release named twice counts once.
        QCOMPARE(QString::fromUtf8(report({LineIndex(5), LineIndex(5)})).split(u'\n').at(7),
                 QStringLiteral("Total\t0\t1\t1"));
    }
};

QTEST_GUILESS_MAIN(tst_StatisticsComputation)
#include "tst_StatisticsComputation.moc"
