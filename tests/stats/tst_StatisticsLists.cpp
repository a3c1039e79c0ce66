#include "DataTable.h"
#include "Positions.h"
#include "stats/ReleaseStatsModel.h"
#include "stats/StatisticsSortProxy.h"
#include "stats/StatisticsWindowSettings.h"
#include "stats/WeekdayStatsModel.h"

#include <QAbstractItemModelTester>
#include <QHash>

#include <algorithm>

using Stored = QHash<QString, QString>;

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
        const auto row = addColumns<int, QStringList>({"sortColumn", "ascending"});
        row("day, case ignored", 0, {"", "friday", "Sunday"});
        row("date by date, shown in the date format", 1, {"", "31.12.1999", "01.05.2011"});
        row("version", 2, {"Alpha", "beta", "gamma"});
        row("additions by number past a million", 3, {"9", "12", "1000001"});
        row("fixes by number", 4, {"3", "20", "1000000"});
    }
    void releaseListSortsBothWays()
    {
        auto [sortColumn, ascending] = fetch<int, QStringList>({"sortColumn", "ascending"});
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

    // The days and additions above the rule and the total, which stay last in either order.
    void summaryKeepsRuleAndTotalLast_data()
    {
        const auto row =
            addColumns<int, Qt::SortOrder, QString, QString>({"sortColumn", "order", "days", "additions"});
        row("additions ascending", 1, Qt::AscendingOrder, "Mo Tu We Th Fr Sa Su", "0 0 0 0 0 1 1000000");
        row("additions descending", 1, Qt::DescendingOrder, "Su Sa Mo Tu We Th Fr", "1000000 1 0 0 0 0 0");
        // Days go in the week's order, not by their names.
        row("days ascending", 0, Qt::AscendingOrder, "Su Mo Tu We Th Fr Sa", "1000000 0 0 0 0 0 1");
        row("days descending", 0, Qt::DescendingOrder, "Sa Fr Th We Tu Mo Su", "1 0 0 0 0 0 1000000");
    }
    void summaryKeepsRuleAndTotalLast()
    {
        auto [sortColumn, order, days, additions] =
            fetch<int, Qt::SortOrder, QString, QString>({"sortColumn", "order", "days", "additions"});
        WeekdayStatsModel model;
        StatisticsSortProxy proxy;
        proxy.setSourceModel(&model);
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        WeekdayCounts counts;
        counts.additions[WeekdayCounts::Sunday] = 1000000;
        counts.additions[WeekdayCounts::Saturday] = 1;
        counts.additions[WeekdayCounts::NoWeekday] = 50; // not a weekday: not in the total
        model.setCounts(counts, {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"});
        proxy.sort(sortColumn, order);
        QCOMPARE(column(proxy, 0), days.split(u' ') << "--------"
                                                    << "Total");
        QCOMPARE(column(proxy, 1), additions.split(u' ') << ""
                                                         << "1000001");
    }

    void load_data()
    {
        const auto row = addColumns<Stored, StatisticsWindowSettings>({"stored", "expected"});
        using S = StatisticsWindowSettings;
        row("fewer than four widths keep the others", {{StatisticsHeadersSizeKey, "900,800"}},
            S{.HeadersSize = {900, 800, 1500, 1500}});
        row("coordinates read their leading number", {{StatisticsWindowPositionKey, " 12px,abc,7020.5"}},
            S{.Top = 12, .Left = 0, .Height = 7020.5});
        row("sort values that are not numbers are skipped",
            {{StatisticsSortedColumnKey, "x"},
             {StatisticsSortOrderKey, ""},
             {StatisticsSplitPositionKey, "y"}},
            S{});
        row("sort column the list does not have is skipped",
            {{StatisticsSortedColumnKey, "5"}, {StatisticsSortedColumn2Key, "0"}}, S{});
        // The window's reopening test reads the other sort and split values.
        row("last release column, even order and grid lines",
            {{StatisticsSortedColumn2Key, "5"},
             {StatisticsSortOrder2Key, "2"},
             {StatisticsGridLinesKey, "7"}},
            S{.GridLines = true, .SortedColumn2 = 5, .SortOrder2 = StatisticsSortOrder::Ascending});
    }
    void load()
    {
        QFETCH(Stored, stored);
        QTEST(StatisticsWindowSettings::load([&stored](const QString &key, const QString &defaultValue) {
                  return stored.value(key, defaultValue);
              }),
              "expected");
    }

    void saveWritesWholeNumbers()
    {
        StatisticsWindowSettings settings;
        settings.Top = -0.5;
        settings.Width = 17685.9;
        settings.HeadersSize = {100.7, std::nullopt, 3, 4};
        settings.SplitPosition = 10350.5;
        Stored written;
        settings.save([&written](const QString &key, const QString &value) { written.insert(key, value); });
        QCOMPARE(written.value(StatisticsWindowPositionKey), QStringLiteral("-1,0,7020,17685"));
        QCOMPARE(written.value(StatisticsHeadersSizeKey), QStringLiteral("100,0,3,4"));
        QCOMPARE(written.value(StatisticsSplitPositionKey), QStringLiteral("10350.5"));
        QVERIFY(!written.contains(StatisticsGridLinesKey));
    }
};

QTEST_MAIN(tst_StatisticsLists)
#include "tst_StatisticsLists.moc"
