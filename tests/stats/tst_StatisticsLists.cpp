#include "stats/ReleaseStatsModel.h"
#include "stats/StatisticsSortProxy.h"
#include "stats/WeekdayStatsModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

std::vector<ReleaseStatsRow> threeReleases()
{
    return {{"k0", 0, "Sunday", "2011 05 01", "beta", 12, 1000000},
            {"k9", 9, "", "", "Alpha", 9, 3},
            {"k20", 20, "friday", "1999 12 31", "gamma", 1000001, 20}};
}

QStringList column(const QAbstractItemModel &model, int c)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.index(r, c).data().toString();
    return texts;
}

} // namespace

class tst_StatisticsLists : public QObject
{
    Q_OBJECT

private slots:
    void releaseListSorts_data();
    void releaseListSorts();
    void summaryKeepsRuleAndTotalLast_data();
    void summaryKeepsRuleAndTotalLast();
};

void tst_StatisticsLists::releaseListSorts_data()
{
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<int>("shownColumn");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("day ascending, case ignored")
        << 0 << Qt::AscendingOrder << 0 << QStringList{"", "friday", "Sunday"};
    QTest::newRow("day descending") << 0 << Qt::DescendingOrder << 0 << QStringList{"Sunday", "friday", ""};
    QTest::newRow("date ascending by date, shown in the date format")
        << 1 << Qt::AscendingOrder << 1 << QStringList{"", "31.12.1999", "01.05.2011"};
    QTest::newRow("date descending") << 1 << Qt::DescendingOrder << 1
                                     << QStringList{"01.05.2011", "31.12.1999", ""};
    QTest::newRow("version ascending")
        << 2 << Qt::AscendingOrder << 2 << QStringList{"Alpha", "beta", "gamma"};
    QTest::newRow("version descending")
        << 2 << Qt::DescendingOrder << 2 << QStringList{"gamma", "beta", "Alpha"};
    QTest::newRow("additions ascending by number past a million")
        << 3 << Qt::AscendingOrder << 3 << QStringList{"9", "12", "1000001"};
    QTest::newRow("additions descending")
        << 3 << Qt::DescendingOrder << 3 << QStringList{"1000001", "12", "9"};
    QTest::newRow("fixes ascending") << 4 << Qt::AscendingOrder << 4 << QStringList{"3", "20", "1000000"};
    QTest::newRow("fixes descending") << 4 << Qt::DescendingOrder << 4 << QStringList{"1000000", "20", "3"};
}

void tst_StatisticsLists::releaseListSorts()
{
    QFETCH(int, sortColumn);
    QFETCH(Qt::SortOrder, order);
    QFETCH(int, shownColumn);
    QFETCH(QStringList, expected);

    ReleaseStatsModel model;
    StatisticsSortProxy proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows(threeReleases(), QStringLiteral("dd.MM.yyyy"));
    proxy.sort(sortColumn, order);
    QCOMPARE(column(proxy, shownColumn), expected);
}

void tst_StatisticsLists::summaryKeepsRuleAndTotalLast_data()
{
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("additions");
    QTest::newRow("ascending") << Qt::AscendingOrder
                               << QStringList{"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su", "--------", "Total"}
                               << QStringList{"0", "0", "0", "0", "0", "1", "1000000", "", "1000001"};
    QTest::newRow("descending") << Qt::DescendingOrder
                                << QStringList{"Su", "Sa", "Mo", "Tu", "We", "Th", "Fr", "--------", "Total"}
                                << QStringList{"1000000", "1", "0", "0", "0", "0", "0", "", "1000001"};
}

void tst_StatisticsLists::summaryKeepsRuleAndTotalLast()
{
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, names);
    QFETCH(QStringList, additions);

    WeekdayStatsModel model;
    StatisticsSortProxy proxy;
    proxy.setSourceModel(&model);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    WeekdayCounts counts;
    counts.additions[WeekdayCounts::Sunday] = 1000000;
    counts.additions[WeekdayCounts::Saturday] = 1;
    counts.additions[WeekdayCounts::NoWeekday] = 50; // not a weekday: not in the total
    model.setCounts(counts, {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"});
    proxy.sort(1, order);
    QCOMPARE(column(proxy, 0), names);
    QCOMPARE(column(proxy, 1), additions);
}

QTEST_MAIN(tst_StatisticsLists)
#include "tst_StatisticsLists.moc"
