#include "DataTable.h"
#include "HistoryFixture.h"
#include "search/HitRanges.h"
#include "search/LineSearch.h"

#include <QTest>

using Lines = QList<int>;

class tst_LineSearch : public QObject
{
    Q_OBJECT

private slots:
    void findAll_data()
    {
        const auto row = addColumns<QStringList, QString, QString, int, int, Lines>(
            {"raw", "kinds", "text", "searchIn", "wholeWord", "expected"});
        row("whole word beside tab char", {"a\ttab b", "a tab\tb"}, "", "tab", 0, 1, {});
        row("needle not trimmed", {"atab"}, "", " tab", 0, 0, {});

        const QStringList log{"intro crash", "Release 1.0 crash", "01.01.20 Added: new crash view",
                              "01.01.20 Fixed: crash", "02.01.20 Added: only here"};
        const QString logKinds = QStringLiteral("..afa");
        row("additions", log, logKinds, "crash", 1, 0, {2});
        row("fixes", log, logKinds, "crash", 2, 0, {3});
        row("everywhere takes headers and loose lines", log, logKinds, "crash", 0, 0, {0, 1, 2, 3});
        row("unknown search-in takes no line", log, logKinds, "crash", 3, 0, {});
        row("line of both patterns found under fixes", {"01.01.20 Added: Fixed: x"}, "b", "x", 2, 0, {0});

        row("needle at the end of a line too long to show", {QString(70000, u'y') + " needle"}, "", "needle",
            0, 0, {0});
    }
    void findAll()
    {
        auto [raw, kinds, text, searchIn, wholeWord] =
            fetch<QStringList, QString, QString, int, int>({"raw", "kinds", "text", "searchIn", "wholeWord"});
        QTEST(numbersOf(::findAll(makeLines(raw, kinds), text, searchInFromNumber(searchIn), wholeWord == 1)),
              "expected");
    }

    // In its own bytes, Windows-1252 or UTF-8, a line holds a text exactly when the decoded line
    // does, letters in either case, and a search steps through the same lines as it lists.
    void findsInEitherEncoding_data()
    {
        const auto row =
            addColumns<QStringList, QString, bool, Lines>({"raw", "text", "utf8Only", "expected"});
        const QStringList german{QStringLiteral("Gr\u00f6\u00dfe \u00e4ndern"), QStringLiteral("GR\u00d6SSE"),
                                 QStringLiteral("gr\u00f6\u00dfer"), "Grosse"};
        row("capital accented needle", german, QStringLiteral("GR\u00d6"), false, {0, 1, 2});
        row("whole accented word", {QStringLiteral("x \u00e9t\u00e9 y"), QStringLiteral("x\u00e9t\u00e9 y")},
            QStringLiteral(" \u00c9T\u00c9 "), false, {0});
        row("letters of odd width",
            {QStringLiteral("\u212aelvin"), QStringLiteral("\u017ftra\u00dfe"), "kelvin"}, "KEL", true,
            {0, 2});
    }
    void findsInEitherEncoding()
    {
        auto [raw, text, utf8Only] = fetch<QStringList, QString, bool>({"raw", "text", "utf8Only"});
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            if (utf8Only && encoding == TextEncoding::Windows1252)
                continue;
            const HistoryLines lines = makeLines(raw, {}, encoding);
            QTEST(numbersOf(::findAll(lines, text, SearchIn::Everywhere, false)), "expected");
            Lines stepped;
            for (LineIndex at = ::findNext(lines, text, 0_line, SearchIn::Everywhere, false); !at.isNone();
                 at = ::findNext(lines, text, at + 1, SearchIn::Everywhere, false))
                stepped << at.value();
            QTEST(stepped, "expected");
        }
    }

    // Where a line shows the text it was found for: [start, length) pairs. A line the search finds
    // has a hit, any other none, in either encoding that can hold it.
    void hitRanges_data()
    {
        const auto row = addColumns<QString, QString, bool, Lines>({"line", "text", "wholeWord", "expected"});
        row("several in one line, any case", "Tab tab TAB", "tab", false, {0, 3, 4, 3, 8, 3});
        row("overlapping candidates left to right", "aaaaa", "aa", false, {0, 2, 2, 2});
        row("whole words share the blank between them", "a tab tab b", "TAB", true, {2, 3, 6, 3});
        row("whole word inside a longer word", "a tabs b", "tab", true, {});
        row("whole word at line start and end", "tab x tab", "tab", true, {});
        row("accented letters in the other case", QStringLiteral("\u00c9t\u00e9 x \u00e9T\u00c9 y"),
            QStringLiteral("\u00e9t\u00e9"), true, {6, 3});
        row("Cyrillic in the other case", QStringLiteral("\u041e\u043a\u043d\u043e x"),
            QStringLiteral("\u043e\u041a\u041d\u041e"), false, {0, 4});
        row("letter of odd width", QStringLiteral("a \u212aelvin"), "kel", false, {2, 3});
        row("empty text", "abc", "", false, {});
    }
    void hitRanges()
    {
        auto [line, text, wholeWord, expected] =
            fetch<QString, QString, bool, Lines>({"line", "text", "wholeWord", "expected"});
        Lines found;
        for (const HitRange &hit : ::hitRanges(line, text, wholeWord))
            found << int(hit.start) << int(hit.length);
        QCOMPARE(found, expected);
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            if (text.isEmpty() || decodeText(encodeText(line, encoding), encoding) != line)
                continue;
            const bool listed =
                !::findAll(makeLines({line}, {}, encoding), text, SearchIn::Everywhere, wholeWord).empty();
            QCOMPARE(listed, !expected.isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(tst_LineSearch)
#include "tst_LineSearch.moc"
