#include "HistoryFixture.h"
#include "history/ChangeRows.h"

#include <QTest>

namespace {

// Line 2 is a dated line that is no change: bold where dated others are.
HistoryDocument sampleDocument()
{
    return makeDocument({"Change log", "10.03.99 Added: a", "15.03.99 Version 1.1", "", "11.03.99 Fixed: f"});
}

} // namespace

Q_DECLARE_METATYPE(ChangeRows)

class TestChangeRows : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        QTest::addColumn<ChangeRows>("rows");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("rowAtOrBeforeLine3"); // line 3 is listed only in the "All" views
        QTest::addColumn<int>("rowAtOrBeforeLine99");
        using Place = ChangeRows::HeaderPlace;
        QTest::newRow("every line in file order")
            << ChangeRows::everyLine(5, false) << QStringList{"0", "1", "2*", "3", "4"} << 3 << 4;
        QTest::newRow("every line reversed")
            << ChangeRows::everyLine(5, true) << QStringList{"4", "3", "2*", "1", "0"} << 1 << 0;
        QTest::newRow("header row on top")
            << ChangeRows::listed({1, 4}, false, Place::Top, 0) << QStringList{"H0", "1", "4"} << 1 << 2;
        QTest::newRow("header row at the bottom")
            << ChangeRows::listed({4, 1}, false, Place::Bottom, 0) << QStringList{"4", "1", "H0"} << 1 << 0;
        QTest::newRow("search results under their header")
            << ChangeRows::listed({4, 2}, false, Place::Top) << QStringList{"H-1", "4", "2"} << 2 << 1;
        QTest::newRow("filtered \"All\" keeps dated others bold")
            << ChangeRows::listed({2, 4}, true) << QStringList{"2*", "4"} << 0 << 1;
    }

    void rows()
    {
        QFETCH(ChangeRows, rows);
        const HistoryDocument document = sampleDocument();
        QTEST(describe(rows, document.lines), "shown");
        QCOMPARE(rows.lineAt(rows.size()), -1);
    }

    void rowOfLineFindsTheRowShowingIt_data() { rows_data(); }
    void rowOfLineFindsTheRowShowingIt()
    {
        QFETCH(ChangeRows, rows);
        for (int r = 0; r < rows.size(); ++r) {
            if (rows.lineAt(r) >= 0)
                QCOMPARE(rows.rowOfLine(rows.lineAt(r)), r);
        }
        QCOMPARE(rows.rowOfLine(99), -1);
        QCOMPARE(rows.rowOfLine(-1), -1);
    }

    void rowAtOrBeforeTakesNearestListedLine_data() { rows_data(); }
    void rowAtOrBeforeTakesNearestListedLine()
    {
        QFETCH(ChangeRows, rows);
        QTEST(rows.rowAtOrBefore(3), "rowAtOrBeforeLine3");
        QTEST(rows.rowAtOrBefore(99), "rowAtOrBeforeLine99");
        QCOMPARE(rows.rowAtOrBefore(-1), -1);
    }
};

QTEST_GUILESS_MAIN(TestChangeRows)
#include "tst_ChangeRows.moc"
