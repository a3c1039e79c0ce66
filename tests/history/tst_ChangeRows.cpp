#include "DataTable.h"
#include "HistoryFixture.h"
#include "history/ChangeRows.h"

namespace {

// Line 2 is a dated line that is no change: bold where dated others are.
HistoryDocument sampleDocument()
{
    return makeDocument({"Change log", "10.03.99 Added: a", "15.03.99 Version 1.1", "", "11.03.99 Fixed: f"});
}

} // namespace

Q_DECLARE_METATYPE(ChangeRows)

class tst_ChangeRows : public QObject
{
    Q_OBJECT

private slots:
    void rows_data()
    {
        // rowAtOrBeforeLine3: line 3 is listed only in the "All" views
        const auto row = addColumns<ChangeRows, QStringList, ListRow, ListRow>(
            {"rows", "shown", "rowAtOrBeforeLine3", "rowAtOrBeforeLine99"});
        using Place = ChangeRows::HeaderPlace;
        row("every line in file order", ChangeRows::everyLine(5, false), {"0", "1", "2*", "3", "4"}, 3_row,
            4_row);
        row("every line reversed", ChangeRows::everyLine(5, true), {"4", "3", "2*", "1", "0"}, 1_row, 0_row);
        row("header row on top", ChangeRows::listed(lineList({1, 4}), false, Place::Top, 0_line),
            {"H0", "1", "4"}, 1_row, 2_row);
        row("header row at the bottom", ChangeRows::listed(lineList({4, 1}), false, Place::Bottom, 0_line),
            {"4", "1", "H0"}, 1_row, 0_row);
        row("search results under their header", ChangeRows::listed(lineList({4, 2}), false, Place::Top),
            {"H-1", "4", "2"}, 2_row, 1_row);
        row("filtered \"All\" keeps dated others bold", ChangeRows::listed(lineList({2, 4}), true),
            {"2*", "4"}, 0_row, 1_row);
    }

    // Each row shows its line, and the line's row is found again; a line that is not listed finds
    // the row of the nearest listed line before it.
    void rows()
    {
        QFETCH(ChangeRows, rows);
        const HistoryDocument document = sampleDocument();
        QTEST(describe(rows, document.lines), "shown");
        QCOMPARE(rows.lineAt(ListRow(rows.size())), NoLine);
        for (ListRow r(0); rows.contains(r); ++r) {
            if (!rows.lineAt(r).isNone())
                QCOMPARE(rows.rowOfLine(rows.lineAt(r)), r);
        }
        QCOMPARE(rows.rowOfLine(99_line), NoRow);
        QCOMPARE(rows.rowOfLine(NoLine), NoRow);
        QTEST(rows.rowAtOrBefore(3_line), "rowAtOrBeforeLine3");
        QTEST(rows.rowAtOrBefore(99_line), "rowAtOrBeforeLine99");
        QCOMPARE(rows.rowAtOrBefore(NoLine), NoRow);
    }
};

QTEST_GUILESS_MAIN(tst_ChangeRows)
#include "tst_ChangeRows.moc"
