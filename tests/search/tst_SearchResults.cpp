#include "HistoryFixture.h"
#include "search/SearchResults.h"
#include "search/SearchResultsList.h"

#include <QTest>

using Lines = QList<int>;

// The lines of the rows below the header.
static Lines resultLines(const ChangesListContent &content)
{
    Lines lines;
    for (ListRow row(1); content.rows.contains(row); ++row)
        lines << content.rows.lineAt(row).value();
    return lines;
}

// Lines: 0 addition, 1 fix, 2 other, 3 empty, 4 both patterns (an addition in lists), 5 fix.
static HistoryDocument sampleDocument()
{
    return documentOf({"01.01.20 Added: x", "01.01.20 Fixed: x", "Release 2 x", "",
                       "01.01.20 Added: Fixed: x", "02.01.20 Fixed: x"},
                      "af..bf");
}

class tst_SearchResults : public QObject
{
    Q_OBJECT

private slots:
    // The list follows the order, its first result chosen.
    void findAllReversedSelectsFirstResult()
    {
        SearchResults results;
        const ChangesListContent found =
            results.findAll(sampleDocument(), "x", SearchIn::Everywhere, false, true);
        QCOMPARE(resultLines(found), (Lines{5, 4, 2, 1, 0}));
        QCOMPARE(found.selectedRow, 1_row);
    }

    // The empty line 3 matches the empty text but is not kept; the kept lines read again, 1 is now
    // empty and 5 past the end.
    void emptyLinesAreNeitherKeptNorRelisted()
    {
        SearchResults results;
        (void)results.findAll(sampleDocument(), "", SearchIn::Everywhere, false, false);
        QCOMPARE(numbersOf(results.SearchResultLines()), (Lines{0, 1, 2, 4, 5}));
        const ChangesListContent content =
            results.relist(documentOf({"a", "", "c", "d", "e"}), ViewFilter::AllChanges, false);
        QCOMPARE(resultLines(content), (Lines{0, 2, 4}));
    }

    void searchAgainKeepsTextAndOptions()
    {
        SearchResults results;
        results.searchAgain(sampleDocument()); // before any "Find All": nothing to run again
        QVERIFY(results.SearchResultLines().empty());
        (void)results.findAll(sampleDocument(), "fixed", SearchIn::Fixes, false, true);
        // Read again: a new fix on top, an addition that mentions the text, the old lines below.
        results.searchAgain(documentOf(
            {"03.01.20 Fixed: y", "03.01.20 Added: fixed z", "01.01.20 Added: x", "01.01.20 Fixed: x"},
            "fa.f"));
        QCOMPARE(numbersOf(results.SearchResultLines()), (Lines{0, 3}));
    }
};

QTEST_APPLESS_MAIN(tst_SearchResults)
#include "tst_SearchResults.moc"
