#include "TestHistory.h"
#include "search/LineSearch.h"

#include <QTest>

using Lines = QList<int>;

static Lines toList(const std::vector<LineIndex> &v)
{
    return numbersOf(v);
}

class tst_LineSearch : public QObject
{
    Q_OBJECT

private slots:
    void findAll_data()
    {
        QTest::addColumn<QStringList>("raw");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("searchIn");
        QTest::addColumn<int>("wholeWord");
        QTest::addColumn<Lines>("expected");

        const auto row = [](const char *name, const QStringList &raw, const QString &kinds,
                            const QString &text, int searchIn, int wholeWord, const Lines &expected) {
            QTest::newRow(name) << raw << kinds << text << searchIn << wholeWord << expected;
        };
        row("whole word at line start", {"tab and more"}, "", "tab", 0, 1, {});
        row("whole word at line end", {"one tab"}, "", "tab", 0, 1, {});
        row("whole word before comma", {"a tab, b"}, "", "tab", 0, 1, {});
        row("whole word before letter s", {"a tabs b"}, "", "tab", 0, 1, {});
        row("whole word beside tab char", {"a\ttab b", "a tab\tb"}, "", "tab", 0, 1, {});
        row("whole word between blanks", {"a tab b"}, "", "tab", 0, 1, {0});
        row("substring inside a word", {"a tabs b"}, "", "tab", 0, 0, {0});
        row("capitals in the needle", {"a tab b"}, "", "TAB", 0, 1, {0});
        row("needle not trimmed", {"atab"}, "", " tab", 0, 0, {});

        const QStringList log{"intro crash", "Release 1.0 crash", "01.01.20 Added: new crash view",
                              "01.01.20 Fixed: crash", "02.01.20 Added: only here"};
        const QString logKinds = QStringLiteral("..afa");
        row("additions skip a fix-only word", log, logKinds, "fixed", 1, 0, {});
        row("additions", log, logKinds, "crash", 1, 0, {2});
        row("fixes", log, logKinds, "crash", 2, 0, {3});
        row("everywhere takes headers and loose lines", log, logKinds, "crash", 0, 0, {0, 1, 2, 3});
        row("unknown search-in takes no line", log, logKinds, "crash", 3, 0, {});
        row("line of both patterns found under fixes", {"01.01.20 Added: Fixed: x"}, "b", "x", 2, 0, {0});
        row("match on the last line", {"a", "b", "last word"}, "", "word", 0, 0, {2});

        row("hit only in trimmed leading blanks", {"x", "   foo bar"}, "", " foo", 0, 0, {});
        row("whole word only with trimmed blanks", {"x", "  foo  ", "y"}, "", "foo", 0, 1, {});
        row("hit after one in trimmed blanks", {"x", "  foo x foo"}, "", " foo", 0, 0, {1});
        row("needle never spans a line break", {"ab", "cd"}, "", "b\r\nc", 0, 0, {});
        row("needle never spans trimmed blanks and break", {"ab  ", "  cd"}, "", "b  \r\n  c", 0, 0, {});
        row("hit past sixteen bytes into the line",
            {"0123456789abcdefghij needle", "none", QString(40, u'y') + "NEEDLE"}, "", "needle", 0, 0,
            {0, 2});

        row("non-ASCII needle finds its capital", {"Änderung", "andere"}, "", "ä", 0, 0, {0});
        row("non-ASCII whole word", {"x Ä y", "Ä y", "xÄ y"}, "", "ä", 0, 1, {0});
        row("non-ASCII needle under additions", {"Ölwechsel", "01.01.20 Added: öl"}, ".a", "Öl", 1, 0, {1});
        row("non-ASCII needle folding to ASCII", {"kilo", "10 K"}, "", QString(QChar(0x212A)), 0, 0, {0, 1});
        row("ASCII needle in a non-ASCII line", {"größer FEHLER"}, "", "fehler", 0, 0, {0});
        row("empty text matches every line", {"a", "", "b"}, "", "", 0, 0, {0, 1, 2});
    }
    void findAll()
    {
        QFETCH(QStringList, raw);
        QFETCH(QString, kinds);
        QFETCH(QString, text);
        QFETCH(int, searchIn);
        QFETCH(int, wholeWord);
        QTEST(toList(::findAll(makeLines(raw, kinds), text, searchInFromNumber(searchIn), wholeWord == 1)),
              "expected");
    }

    void replacedLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<Lines>("all");
        QTest::addColumn<int>("next");

        // Line 1 was "New in version 4.0 (10.3.99)" and now reads "10.03.99 New in version 4.0".
        QTest::newRow("new text found") << "10.03.99 new" << 0 << Lines{1} << 1;
        QTest::newRow("old text not found") << "(10.3.99)" << 0 << Lines{} << -1;
        QTest::newRow("before a later plain line") << "version" << 0 << Lines{1, 2} << 1;
        QTest::newRow("after an earlier plain line") << "4.0" << 0 << Lines{0, 1, 2} << 0;
        QTest::newRow("start past the rewritten line") << "version" << 2 << Lines{1, 2} << 2;
    }
    void replacedLine()
    {
        QFETCH(QString, text);
        QFETCH(int, start);

        HistoryLines lines = makeLines({"about 4.0", "New in version 4.0 (10.3.99)", "version 4.0 fixes"});
        lines.replaceLine(1_line, "10.03.99 New in version 4.0");
        QTEST(toList(::findAll(lines, text, SearchIn::Everywhere, false)), "all");
        QTEST(::findNext(lines, text, LineIndex(start), SearchIn::Everywhere, false).value(), "next");
    }

    void findNextStepsThroughLinesHeldApartInOrder()
    {
        // Lines of a Windows-1252 file holding letters outside ASCII are converted and held apart;
        // their bytes in the text stay as they were read and must never be reported.
        HistoryLines lines =
            makeLines({"copy", "caf\u00e9 copy", "none", "copy caf\u00e9", "copy caf\u00e9", "copy"});
        for (const LineIndex apart : lineList({1, 3, 4}))
            lines.replaceLine(apart, lines.bytes(apart).toByteArray());
        lines.replaceLine(4_line, "no match here");
        QCOMPARE(toList(::findAll(lines, QStringLiteral("copy"), SearchIn::Everywhere, false)),
                 (Lines{0, 1, 3, 5}));
        Lines stepped;
        for (LineIndex at = ::findNext(lines, QStringLiteral("copy"), 0_line, SearchIn::Everywhere, false);
             !at.isNone();
             at = ::findNext(lines, QStringLiteral("copy"), at + 1, SearchIn::Everywhere, false))
            stepped << at.value();
        QCOMPARE(stepped, (Lines{0, 1, 3, 5}));
        QCOMPARE(::findNext(lines, QStringLiteral("caf\u00e9"), 2_line, SearchIn::Everywhere, false), 3_line);
    }

    void findNext_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("searchIn");
        QTest::addColumn<int>("expected");

        // Matches of "word": lines 1 (fix), 3 (addition) and 4, the last line.
        QTest::newRow("from the first line") << 0 << 0 << 1;
        QTest::newRow("from a matching line") << 1 << 0 << 1;
        QTest::newRow("from past a match") << 2 << 0 << 3;
        QTest::newRow("match on the last line") << 4 << 0 << 4;
        QTest::newRow("start beyond the last line") << 5 << 0 << -1;
        QTest::newRow("negative start begins at the top") << -3 << 0 << 1;
        QTest::newRow("no further match of the kind") << 2 << 2 << -1;
        QTest::newRow("skips lines of the wrong kind") << 0 << 1 << 3;
    }
    void findNext()
    {
        QFETCH(int, start);
        QFETCH(int, searchIn);

        const HistoryLines lines = makeLines(
            {"nothing", "01.01.20 Fixed: word", "other", "01.01.20 Added: WORD", "last word"}, ".f.a.");
        QTEST(::findNext(lines, "word", LineIndex(start), searchInFromNumber(searchIn), false).value(),
              "expected");
    }

    void spansOutOfFileOrderAreSearchedLineByLine()
    {
        // Spans listed out of file order: line 0 is the buffer's second line.
        const QByteArray text = "other\r\nfind me\r\n";
        const HistoryLines lines(text, {{7, 7}, {0, 5}});
        QCOMPARE(toList(::findAll(lines, "me", SearchIn::Everywhere, false)), Lines{0});
        QCOMPARE(::findNext(lines, "other", 0_line, SearchIn::Everywhere, false), 1_line);
    }
};

QTEST_APPLESS_MAIN(tst_LineSearch)
#include "tst_LineSearch.moc"
