#include "DataTable.h"
#include "HistoryFixture.h"
#include "ReportText.h"
#include "history/ChangesList.h"
#include "history/ChangesReport.h"

namespace {

// Three releases (headers at 2, 7 and 12) below two lines of preamble.
HistoryDocument sampleDocument()
{
    return makeDocument({"Change log", "", "Version 1.0", "10.03.99 Added: a1", "11.03.99 Fixed: f1", "",
                         "12.03.99 Added: a2", "15.03.99 Version 1.1", "16.03.99 Fixed: f2", "notes", "",
                         "17.03.99 Added: a3", "Version 2.0", "18.03.99 Fixed: f3"},
                        {2, 7, 12});
}

// Line 2 is a dated line that is no change: bold where dated others are.
HistoryDocument rowsDocument()
{
    return makeDocument({"Change log", "10.03.99 Added: a", "15.03.99 Version 1.1", "", "11.03.99 Fixed: f"});
}

} // namespace

Q_DECLARE_METATYPE(ChangeRows)

class tst_ChangesList : public QObject
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
        const HistoryDocument document = rowsDocument();
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

    void build_data()
    {
        const auto row = addColumns<int, ViewFilter, bool, QStringList, int, int, int, QString>(
            {"release", "filter", "reversed", "rows", "selected", "additions", "fixes", "status"});
        const ViewFilter all = ViewFilter::AllChanges, additions = ViewFilter::Additions;
        row("first release starts after its header, skips empty lines", 0, all, false, {"H2", "3", "4", "6"},
            1, 2, 1, "2 Additions, 1 Fixes");
        row("middle release ends before the next header", 1, all, false, {"H7", "8", "9", "11"}, 1, 1, 1,
            "1 Additions, 1 Fixes");
        row("last release runs to the end of the file", 2, all, false, {"H12", "13"}, 1, 0, 1,
            "0 Additions, 1 Fixes");
        row("additions keep the header row, counts whatever the filter", 0, additions, false,
            {"H2", "3", "6"}, 1, 2, 1, "2 Additions");
        row("fixes keep the header row", 0, ViewFilter::Fixes, false, {"H2", "4"}, 1, 2, 1, "1 Fixes");
        row("reversed: header at the bottom, row 1 selected", 0, all, true, {"6", "4", "3", "H2"}, 0, 2, 1,
            "2 Additions, 1 Fixes");
        row("header row alone is selected", 2, additions, false, {"H12"}, 0, 0, 1, "0 Additions");
        row("All lists every line, empty ones too, rewritten headers bold", -1, all, false,
            {"0", "1", "2", "3", "4", "5", "6", "7*", "8", "9", "10", "11", "12", "13"}, 0, 3, 3,
            "3 Additions, 3 Fixes");
        row("All reversed selects the first row", -1, ViewFilter::Fixes, true, {"13", "8", "4"}, 0, 3, 3,
            "3 Fixes");
        row("release the document lacks lists nothing", 3, all, false, {}, -1, 0, 0, "0 Additions, 0 Fixes");
    }
    void build()
    {
        auto [release, filter, reversed] = fetch<int, ViewFilter, bool>({"release", "filter", "reversed"});
        const HistoryDocument document = sampleDocument();
        const ChangesListContent content =
            BuildChangesList(document, {ReleaseIndex(release), filter, reversed});
        QTEST(describe(content.rows, document.lines), "rows");
        QTEST(content.selectedRow.value(), "selected");
        QTEST(content.AdditionCount, "additions");
        QTEST(content.FixCount, "fixes");
        QTEST(changesStatusText(filter, content.AdditionCount, content.FixCount), "status");
    }

    // "New since last time" lists what "All" lists, under the same filter and order, from the first
    // release's header to the line above the header of the release seen last.
    void newReleasesAreAllCutAtTheLastSeenHeader_data()
    {
        const auto row = addColumns<int, ViewFilter, bool, QStringList, int, int>(
            {"lastSeen", "filter", "reversed", "rows", "additions", "fixes"});
        row("second seen: the first release from its header", 1, ViewFilter::AllChanges, false,
            {"2", "3", "4", "5", "6"}, 2, 1);
        row("third seen: fixes reversed", 2, ViewFilter::Fixes, true, {"8", "4"}, 3, 2);
        row("third seen: additions", 2, ViewFilter::Additions, false, {"3", "6", "11"}, 3, 2);
        row("third seen: reversed, bold lines as All has them", 2, ViewFilter::AllChanges, true,
            {"11", "10", "9", "8", "7*", "6", "5", "4", "3", "2"}, 3, 2);
        row("the top release seen: nothing", 0, ViewFilter::AllChanges, false, {}, 0, 0);
        row("a release the document lacks: nothing", 3, ViewFilter::AllChanges, false, {}, 0, 0);
    }
    void newReleasesAreAllCutAtTheLastSeenHeader()
    {
        auto [lastSeen, filter, reversed] = fetch<int, ViewFilter, bool>({"lastSeen", "filter", "reversed"});
        const HistoryDocument document = sampleDocument();
        const ChangesListContent news =
            BuildChangesList(document, {ChangesView::All, filter, reversed, {}, ReleaseIndex(lastSeen)});
        QTEST(describe(news.rows, document.lines), "rows");
        QTEST(news.AdditionCount, "additions");
        QTEST(news.FixCount, "fixes");
    }

    void reportListsRowsInSeparateColumns()
    {
        const QByteArray report = reportText(changesReport, sampleDocument(),
                                             ChangesView{ReleaseIndex(0), ViewFilter::Additions, true},
                                             QStringLiteral("d"), QStringLiteral("MM/yyyy"));
        QCOMPARE(QString::fromUtf8(report).split(u'\n'),
                 (QStringList{"12\t03/1999\tAdded: a2", "10\t03/1999\tAdded: a1", "\t\tVersion 1.0",
                              "# 2 Additions", ""}));
    }
};

QTEST_GUILESS_MAIN(tst_ChangesList)
#include "tst_ChangesList.moc"
