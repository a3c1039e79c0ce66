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

} // namespace

class tst_ChangesList : public QObject
{
    Q_OBJECT

private slots:
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
    void newReleasesAreAllCutAtTheLastSeenHeader()
    {
        const HistoryDocument document = sampleDocument();
        for (const int lastSeen : {1, 2})
            for (const ViewFilter filter : {ViewFilter::AllChanges, ViewFilter::Additions, ViewFilter::Fixes})
                for (const bool reversed : {false, true}) {
                    const ChangesListContent all =
                        BuildChangesList(document, {ChangesView::All, filter, reversed});
                    ChangesView view{ChangesView::All, filter, reversed};
                    view.lastSeen = ReleaseIndex(lastSeen);
                    const ChangesListContent news = BuildChangesList(document, view);
                    const LineIndex end = document.releases[std::size_t(lastSeen)].headerLine;
                    QStringList expected;
                    int additions = 0, fixes = 0;
                    for (ListRow row(0); all.rows.contains(row); ++row) {
                        const LineIndex line = all.rows.lineAt(row);
                        if (line >= LineIndex(2) && line < end)
                            expected << describe(ChangeRows::listed({line}, true), document.lines);
                    }
                    for (LineIndex line(2); line < end; ++line) {
                        additions += document.lines.kind(line) == ChangeKind::Addition;
                        fixes += document.lines.kind(line) == ChangeKind::Fix;
                    }
                    QCOMPARE(describe(news.rows, document.lines), expected);
                    QCOMPARE(news.AdditionCount, additions);
                    QCOMPARE(news.FixCount, fixes);
                }
        QCOMPARE(
            describe(BuildChangesList(document,
                                      {ChangesView::All, ViewFilter::AllChanges, false, {}, ReleaseIndex(1)})
                         .rows,
                     document.lines),
            (QStringList{"2", "3", "4", "5", "6"}));
        for (const int nothingNew : {0, 3}) {
            const ChangesListContent none = BuildChangesList(
                document, {ChangesView::All, ViewFilter::AllChanges, false, {}, ReleaseIndex(nothingNew)});
            QVERIFY(none.rows.empty());
            QCOMPARE(none.AdditionCount + none.FixCount, 0);
        }
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
