#include "stats/StatisticsWindowSettings.h"

#include <QHash>
#include <QTest>

using Stored = QHash<QString, QString>;

class tst_StatisticsWindowSettings : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<StatisticsWindowSettings>("expected");
        const StatisticsWindowSettings defaults;
        QTest::newRow("nothing stored") << Stored() << defaults;

        StatisticsWindowSettings few = defaults;
        few.HeadersSize = {900, 800, 1500, 1500};
        QTest::newRow("fewer than four widths keep the others")
            << Stored{{StatisticsHeadersSizeKey, "900,800"}} << few;

        StatisticsWindowSettings leading = defaults;
        leading.Top = 12;
        leading.Left = 0;
        leading.Height = 7020.5;
        QTest::newRow("coordinates read their leading number")
            << Stored{{StatisticsWindowPositionKey, " 12px,abc,7020.5"}} << leading;

        QTest::newRow("sort values that are not numbers are skipped")
            << Stored{{StatisticsSortedColumnKey, "x"},
                      {StatisticsSortOrderKey, ""},
                      {StatisticsSplitPositionKey, "y"}}
            << defaults;
        QTest::newRow("sort column the list does not have is skipped")
            << Stored{{StatisticsSortedColumnKey, "5"}, {StatisticsSortedColumn2Key, "0"}} << defaults;

        StatisticsWindowSettings sorted = defaults;
        sorted.SortedColumn = 4;
        sorted.SortOrder = 0;
        sorted.SortedColumn2 = 5;
        sorted.SortOrder2 = 0;
        sorted.SplitPosition = 4000;
        sorted.GridLines = true;
        QTest::newRow("sorts, split and grid lines")
            << Stored{{StatisticsSortedColumnKey, "4"},     {StatisticsSortOrderKey, "0"},
                      {StatisticsSortedColumn2Key, "5"},    {StatisticsSortOrder2Key, "2"},
                      {StatisticsSplitPositionKey, "4000"}, {StatisticsGridLinesKey, "7"}}
            << sorted;
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
