#include "stats/StatisticsComputation.h"
#include "stats/WeekdaysReport.h"

#include "StatsHistory.h"

#include <QTest>

namespace {

WeekdayCounts counts(std::initializer_list<std::pair<int, qint64>> additions,
                     std::initializer_list<std::pair<int, qint64>> fixes,
                     std::initializer_list<std::pair<int, qint64>> headers)
{
    WeekdayCounts c;
    for (auto [k, n] : additions)
        c.additions[k] = n;
    for (auto [k, n] : fixes)
        c.fixes[k] = n;
    for (auto [k, n] : headers)
        c.headers[k] = n;
    return c;
}

// "New in version 4.0 (10.03.99)" as release detection leaves it: date moved to the front.
HistoryDocument rewrittenOldHeader()
{
    HistoryDocument document = makeDocument(
        {QStringLiteral("New in version 4.0 (10.03.99)"), QStringLiteral("10.03.99 Added: x")}, {0});
    document.lines.replaceLine(0, "10.03.99 New in version 4.0");
    document.lines.setFacts(0, {false, false, true});
    return document;
}

} // namespace

class tst_StatisticsComputation : public QObject
{
    Q_OBJECT

private slots:
    void paddedCount_data();
    void paddedCount();
    void releaseRows();
    void weekdayCounts_data();
    void weekdayCounts();
    void weekdaysReportLines();
    void weekdaysReportRejectsUnknownKey();
};

void tst_StatisticsComputation::paddedCount_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("padded");
    QTest::newRow("zero") << qint64(0) << "#####0";
    QTest::newRow("twelve") << qint64(12) << "####12";
    QTest::newRow("six digits") << qint64(999999) << "999999";
    QTest::newRow("a million keeps the last six digits") << qint64(1234567) << "234567";
}

void tst_StatisticsComputation::paddedCount()
{
    QFETCH(qint64, n);
    QFETCH(QString, padded);
    QCOMPARE(PaddedCount(n), padded);
}

void tst_StatisticsComputation::releaseRows()
{
    const HistoryDocument document = twoReleases();
    std::vector<ReleaseStatsRow> rows = GetVersionList(document, QStringLiteral("dddd"));
    CalcStatistics2(document, rows);
    const std::vector<ReleaseStatsRow> expected{
        {QStringLiteral("k0"), 0, QString(), QString(), QStringLiteral("Release Total Commander 8.0"), 2, 1},
        {QStringLiteral("k5"), 5, QStringLiteral("Friday"), QStringLiteral("2011 05 06"),
         QStringLiteral("06.05.11 Release Total Commander 7.0"), 0, 1}};
    QCOMPARE(rows, expected);
}

void tst_StatisticsComputation::weekdayCounts_data()
{
    QTest::addColumn<HistoryDocument>("document");
    QTest::addColumn<QList<LineIndex>>("selected");
    QTest::addColumn<QString>("dayFormat");
    QTest::addColumn<WeekdayCounts>("expected");

    // The undated header counts nowhere; the dated one on its Friday.
    QTest::newRow("both releases, full weekday names")
        << twoReleases() << QList<LineIndex>{0, 5} << "dddd" << counts({{1, 2}}, {{2, 1}, {7, 1}}, {{6, 1}});
    QTest::newRow("no release selected") << twoReleases() << QList<LineIndex>{} << "dddd" << WeekdayCounts();
    QTest::newRow("format giving one text for every date counts on the first weekday")
        << twoReleases() << QList<LineIndex>{0, 5} << "MM" << counts({{1, 2}}, {{1, 2}}, {{1, 1}});
    QTest::newRow("short day names")
        << twoReleases() << QList<LineIndex>{0} << "ddd" << counts({{1, 2}}, {{2, 1}}, {});
    QTest::newRow("rewritten old-style header counts on its weekday")
        << rewrittenOldHeader() << QList<LineIndex>{0} << "dddd" << counts({{4, 1}}, {}, {{4, 1}});
}

void tst_StatisticsComputation::weekdayCounts()
{
    QFETCH(HistoryDocument, document);
    QFETCH(QList<LineIndex>, selected);
    QFETCH(QString, dayFormat);
    QFETCH(WeekdayCounts, expected);
    const std::vector<LineIndex> headers(selected.begin(), selected.end());
    QCOMPARE(CalcStatistics(document, headers, DefaultVersionDetect, dayFormat), expected);
}

void tst_StatisticsComputation::weekdaysReportLines()
{
    const WeekdaysReportResult all =
        weekdaysReport(twoReleases(), {}, DefaultVersionDetect, QStringLiteral("dddd"));
    QVERIFY(all.ok);
    QCOMPARE(
        QString::fromUtf8(all.text).split(u'\n'),
        QStringList({"Sunday\t2\t0\t0", "Monday\t0\t1\t0", "Tuesday\t0\t0\t0", "Wednesday\t0\t0\t0",
                     "Thursday\t0\t0\t0", "Friday\t0\t0\t1", "Saturday\t0\t1\t0", "Total\t2\t2\t1", ""}));

    const WeekdaysReportResult twice =
        weekdaysReport(twoReleases(), {QStringLiteral("k5"), QStringLiteral("k5")}, DefaultVersionDetect,
                       QStringLiteral("dddd"));
    QCOMPARE(QString::fromUtf8(twice.text).split(u'\n').at(7), QStringLiteral("Total\t0\t1\t1"));
}

void tst_StatisticsComputation::weekdaysReportRejectsUnknownKey()
{
    const WeekdaysReportResult result =
        weekdaysReport(twoReleases(), {QStringLiteral("k3")}, DefaultVersionDetect, QStringLiteral("dddd"));
    QVERIFY(!result.ok);
    QVERIFY(result.text.isEmpty());
    QVERIFY(result.error.contains(QStringLiteral("k3")));
}

QTEST_GUILESS_MAIN(tst_StatisticsComputation)
#include "tst_StatisticsComputation.moc"
