#include "TestHistory.h"
#include "search/FindReport.h"
#include "search/SearchResults.h"
#include "search/SearchResultsList.h"

#include <QTest>

using Lines = QList<int>;

Q_DECLARE_METATYPE(ViewFilter)

// The lines of the rows below the header.
static Lines resultLines(const ChangesListContent &content)
{
    Lines lines;
    for (ListRow row(1); content.rows.contains(row); ++row)
        lines << content.rows.lineAt(row).value();
    return lines;
}

static const ChangeRow HeaderRow{NoLine, true, true};

class tst_SearchResults : public QObject
{
    Q_OBJECT

private slots:
    // Lines: 0 addition, 1 fix, 2 other, 3 empty, 4 both patterns (an addition in lists), 5 fix.
    static HistoryDocument sampleDocument()
    {
        return makeDocument({"01.01.20 Added: x", "01.01.20 Fixed: x", "Release 2 x", "",
                             "01.01.20 Added: Fixed: x", "02.01.20 Fixed: x"},
                            "af..bf");
    }

    void listSearchResults_data()
    {
        QTest::addColumn<ViewFilter>("filter");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<Lines>("expected");

        // Line 3 is empty and never listed.
        QTest::newRow("all changes ascending") << ViewFilter::AllChanges << false << Lines{0, 1, 2, 4, 5};
        QTest::newRow("all changes reversed") << ViewFilter::AllChanges << true << Lines{5, 4, 2, 1, 0};
        QTest::newRow("additions ascending") << ViewFilter::Additions << false << Lines{0, 4};
        QTest::newRow("additions reversed") << ViewFilter::Additions << true << Lines{4, 0};
        QTest::newRow("fixes ascending") << ViewFilter::Fixes << false << Lines{1, 5};
        QTest::newRow("fixes reversed") << ViewFilter::Fixes << true << Lines{5, 1};
    }
    void listSearchResults()
    {
        QFETCH(ViewFilter, filter);
        QFETCH(bool, reversed);

        const HistoryDocument document = sampleDocument();
        const ChangesListContent content =
            ::listSearchResults(document, lineList({0, 1, 2, 3, 4, 5}), filter, reversed);
        QCOMPARE(content.rows.at(0_row, document.lines), HeaderRow);
        QTEST(resultLines(content), "expected");
        QCOMPARE(content.selectedRow, NoRow);
    }

    void findAllKeepsAscendingLinesWhateverTheOrder_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<Lines>("listed");

        QTest::newRow("ascending") << false << Lines{0, 1, 2, 4, 5};
        QTest::newRow("reversed") << true << Lines{5, 4, 2, 1, 0};
    }
    void findAllKeepsAscendingLinesWhateverTheOrder()
    {
        QFETCH(bool, reversed);

        SearchResults results;
        const ChangesListContent content =
            results.findAll(sampleDocument(), "x", SearchIn::Everywhere, false, reversed);
        QTEST(resultLines(content), "listed");
        const std::vector<LineIndex> &kept = results.SearchResultLines();
        QCOMPARE(numbersOf(kept), (Lines{0, 1, 2, 4, 5}));
    }

    void findAllSelectsFirstResult()
    {
        SearchResults results;
        const ChangesListContent found =
            results.findAll(sampleDocument(), "fixed", SearchIn::Everywhere, false, true);
        QCOMPARE(found.selectedRow, 1_row);
        QCOMPARE(SearchResults::instanceCount(found), 3);
    }

    void findAllKeepsNoEmptyLine()
    {
        SearchResults results;
        (void)results.findAll(makeDocument({"a", "", "b"}), "", SearchIn::Everywhere, false, false);
        QCOMPARE(numbersOf(results.SearchResultLines()), (Lines{0, 2}));
    }

    void relistSkipsLinesPastAShorterHistory()
    {
        SearchResults results;
        (void)results.findAll(sampleDocument(), "fixed", SearchIn::Everywhere, false, false);
        const ChangesListContent content =
            results.relist(makeDocument({"a", "b"}), ViewFilter::AllChanges, false);
        QCOMPARE(resultLines(content), (Lines{1}));
    }

    void searchAgainKeepsTextAndOptions()
    {
        SearchResults results;
        results.searchAgain(sampleDocument()); // before any "Find All": nothing to run again
        QVERIFY(results.SearchResultLines().empty());
        (void)results.findAll(sampleDocument(), "fixed", SearchIn::Fixes, false, true);
        // Read again: a new fix on top, an addition that mentions the text, the old lines below.
        results.searchAgain(makeDocument(
            {"03.01.20 Fixed: y", "03.01.20 Added: fixed z", "01.01.20 Added: x", "01.01.20 Fixed: x"},
            "fa.f"));
        QCOMPARE(numbersOf(results.SearchResultLines()), (Lines{0, 3}));
    }

    void findReport()
    {
        HistoryDocument document =
            makeDocument({"Release 1", "  01.01.20 Fixed: Tab\tbug  ", "other", "tab end"}, ".f..");
        const QByteArray expected = "2\t01.01.20 Fixed: Tab\tbug\n"
                                    "4\ttab end\n"
                                    "# 2 instance(s) found\n";
        QCOMPARE(::findReport(document, "TAB", SearchIn::Everywhere, false), expected);
        QCOMPARE(::findReport(document, "tab", SearchIn::Everywhere, true),
                 QByteArray("# 0 instance(s) found\n"));
    }
};

QTEST_APPLESS_MAIN(tst_SearchResults)
#include "tst_SearchResults.moc"
