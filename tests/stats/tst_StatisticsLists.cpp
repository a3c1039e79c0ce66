#include "Positions.h"
#include "stats/ReleaseStatsModel.h"
#include "stats/StatisticsSortProxy.h"
#include "stats/WeekdayStatsModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

#include <algorithm>

static QStringList column(const QAbstractItemModel &model, int c)
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r)
        texts << model.index(r, c).data().toString();
    return texts;
}

class tst_StatisticsLists : public QObject
{
    Q_OBJECT

private slots:
    void releaseListSortsBothWays_data()
    {
        QTest::addColumn<int>("sortColumn");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("day, case ignored") << 0 << QStringList{"", "friday", "Sunday"};
        QTest::newRow("date by date, shown in the date format")
            << 1 << QStringList{"", "31.12.1999", "01.05.2011"};
        QTest::newRow("version") << 2 << QStringList{"Alpha", "beta", "gamma"};
        QTest::newRow("additions by number past a million") << 3 << QStringList{"9", "12", "1000001"};
        QTest::newRow("fixes by number") << 4 << QStringList{"3", "20", "1000000"};
    }
    void releaseListSortsBothWays()
    {
        QFETCH(int, sortColumn);
        QFETCH(QStringList, ascending);
        ReleaseStatsModel model;
        StatisticsSortProxy proxy;
        proxy.setSourceModel(&model);
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows({{"k0", 0_line, "Sunday", "2011 05 01", "beta", 12, 1000000},
                       {"k9", 9_line, "", "", "Alpha", 9, 3},
                       {"k20", 20_line, "friday", "1999 12 31", "gamma", 1000001, 20}},
                      QStringLiteral("dd.MM.yyyy"));
        proxy.sort(sortColumn, Qt::AscendingOrder);
        QCOMPARE(column(proxy, sortColumn), ascending);
        proxy.sort(sortColumn, Qt::DescendingOrder);
        std::reverse(ascending.begin(), ascending.end());
        QCOMPARE(column(proxy, sortColumn), ascending);
    }

    void summaryKeepsRuleAndTotalLast_data()
    {
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("additions");
        QTest::newRow("ascending") << Qt::AscendingOrder << QStringList{"Mo", "Tu", "We",       "Th",   "Fr",
                                                                        "Sa", "Su", "--------", "Total"}
                                   << QStringList{"0", "0", "0", "0", "0", "1", "1000000", "", "1000001"};
        QTest::newRow("descending") << Qt::DescendingOrder
                                    << QStringList{"Su", "Sa", "Mo",       "Tu",   "We",
                                                   "Th", "Fr", "--------", "Total"}
                                    << QStringList{"1000000", "1", "0", "0", "0", "0", "0", "", "1000001"};
    }
    void summaryKeepsRuleAndTotalLast()
    {
        QFETCH(Qt::SortOrder, order);
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
        QTEST(column(proxy, 0), "names");
        QTEST(column(proxy, 1), "additions");
    }
};

QTEST_MAIN(tst_StatisticsLists)
#include "tst_StatisticsLists.moc"
