#include "DataTable.h"
#include "stats/StatisticsWindowSettings.h"

#include <QHash>

using Stored = QHash<QString, QString>;

class tst_StatisticsWindowSettings : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(tst_StatisticsWindowSettings)
#include "tst_StatisticsWindowSettings.moc"
