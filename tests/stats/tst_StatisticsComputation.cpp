#include "stats/StatisticsComputation.h"
#include "stats/WeekdaysReport.h"

#include "StatsHistory.h"

#include <QTest>

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
    void paddedCount_data()
    {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<QString>("padded");
        QTest::newRow("zero") << qint64(0) << "#####0";
        QTest::newRow("six digits") << qint64(999999) << "999999";
        QTest::newRow("a million keeps the last six digits") << qint64(1234567) << "234567";
    }
    void paddedCount()
    {
        QFETCH(qint64, n);
        QTEST(PaddedCount(n), "padded");
    }

    void releaseRows()
    {
        const HistoryDocument document = twoReleases();
        std::vector<ReleaseStatsRow> rows = GetVersionList(document, QStringLiteral("dddd"));
        CalcStatistics2(document, rows);
        const std::vector<ReleaseStatsRow> expected{
            {"k0", 0_line, "", "", "Release Total Commander 8.0", 2, 1},
            {"k5", 5_line, "Friday", "2011 05 06", "06.05.11 Release Total Commander 7.0", 0, 1}};
        QCOMPARE(rows, expected);
    }

    void weekdayCounts_data()
    {
        QTest::addColumn<HistoryDocument>("document");
        QTest::addColumn<QList<LineIndex>>("selected");
        QTest::addColumn<QString>("dayFormat");
        QTest::addColumn<WeekdayCounts>("expected");
        const QList<LineIndex> both{0_line, 5_line};
        // The undated header counts nowhere; the dated one on its Friday.
        QTest::newRow("both releases, full weekday names")
            << twoReleases() << both << "dddd" << counts({{1, 2}}, {{2, 1}, {7, 1}}, {{6, 1}});
        QTest::newRow("no release selected")
            << twoReleases() << QList<LineIndex>{} << "dddd" << WeekdayCounts();
        QTest::newRow("format giving one text for every date counts on the first weekday")
            << twoReleases() << both << "MM" << counts({{1, 2}}, {{1, 2}}, {{1, 1}});
        QTest::newRow("short day names")
            << twoReleases() << QList<LineIndex>{0_line} << "ddd" << counts({{1, 2}}, {{2, 1}}, {});
        QTest::newRow("rewritten old-style header counts on its weekday")
            << rewrittenOldHeader() << QList<LineIndex>{0_line} << "dddd" << counts({{4, 1}}, {}, {{4, 1}});
    }
    void weekdayCounts()
    {
        QFETCH(HistoryDocument, document);
        QFETCH(QList<LineIndex>, selected);
        QFETCH(QString, dayFormat);
        const std::vector<LineIndex> headers(selected.begin(), selected.end());
        QTEST(CalcStatistics(document, headers, DefaultVersionDetect, dayFormat), "expected");
    }

    void weekdaysReportLines()
    {
        const auto report = [](const QStringList &keys) {
            return weekdaysReport(twoReleases(), keys, DefaultVersionDetect, QStringLiteral("dddd"));
        };
        const WeekdaysReportResult all = report({});
        QVERIFY(all.ok);
        QCOMPARE(
            QString::fromUtf8(all.text).split(u'\n'),
            QStringList({"Sunday\t2\t0\t0", "Monday\t0\t1\t0", "Tuesday\t0\t0\t0", "Wednesday\t0\t0\t0",
                         "Thursday\t0\t0\t0", "Friday\t0\t0\t1", "Saturday\t0\t1\t0", "Total\t2\t2\t1", ""}));
        QCOMPARE(QString::fromUtf8(report({"k5", "k5"}).text).split(u'\n').at(7),
                 QStringLiteral("Total\t0\t1\t1"));
    }

    void weekdaysReportRejectsUnknownKey()
    {
        const WeekdaysReportResult result = weekdaysReport(twoReleases(), {QStringLiteral("k3")},
                                                           DefaultVersionDetect, QStringLiteral("dddd"));
        QVERIFY(!result.ok);
        QVERIFY(result.text.isEmpty());
        QVERIFY(result.error.contains(QStringLiteral("k3")));
    }
};

QTEST_GUILESS_MAIN(tst_StatisticsComputation)
#include "tst_StatisticsComputation.moc"
