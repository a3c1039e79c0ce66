#include "HistoryFixture.h"
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
        row("needle at the end of a line too long to show", {QString(70000, u'y') + " needle"}, "", "needle",
            0, 0, {0});
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

    // In its own bytes, Windows-1252 or UTF-8, a line holds a text exactly when the decoded line
    // does, letters in either case, and a search steps through the same lines as it lists.
    void findsInEitherEncoding_data()
    {
        QTest::addColumn<QStringList>("raw");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("utf8Only");
        QTest::addColumn<Lines>("expected");
        const auto row = [](const char *name, const QStringList &raw, const QString &text, bool utf8Only,
                            const Lines &expected) {
            QTest::newRow(name) << raw << text << utf8Only << expected;
        };
        const QStringList german{QStringLiteral("Gr\u00f6\u00dfe \u00e4ndern"), QStringLiteral("GR\u00d6SSE"),
                                 QStringLiteral("gr\u00f6\u00dfer"), "Grosse"};
        row("capital accented needle", german, QStringLiteral("GR\u00d6"), false, {0, 1, 2});
        row("small accented needle",
            {QStringLiteral("FEN\u00caTRE"), QStringLiteral("fen\u00eatre"), "fenetre"},
            QStringLiteral("fen\u00eatre"), false, {0, 1});
        row("letter pairs outside Latin-1",
            {QStringLiteral("\u0152uvre"), QStringLiteral("\u0153uvre"), QStringLiteral("\u0160koda"),
             QStringLiteral("\u0178")},
            QStringLiteral("\u0153u"), false, {0, 1});
        row("y with diaeresis", {QStringLiteral("\u0178"), QStringLiteral("\u00ff"), "y"},
            QStringLiteral("\u00ff"), false, {0, 1});
        row("letter the code page lacks", german, QStringLiteral("\u03a9"), false, {});
        row("Kelvin sign folds to k", {"kilo", "Kilo", "ilo"}, QStringLiteral("\u212a"), false, {0, 1});
        row("micro sign folds to Greek mu", {QStringLiteral("5 \u00b5m"), "5 m"}, QStringLiteral("\u039c"),
            false, {0});
        row("whole accented word", {QStringLiteral("x \u00e9t\u00e9 y"), QStringLiteral("x\u00e9t\u00e9 y")},
            QStringLiteral(" \u00c9T\u00c9 "), false, {0});
        row("letters of odd width",
            {QStringLiteral("\u212aelvin"), QStringLiteral("\u017ftra\u00dfe"), "kelvin"}, "KEL", true,
            {0, 2});
        row("long s among plain lines", {"first", QStringLiteral("cra\u017fh"), "crash", "last"}, "crash",
            true, {1, 2});
        row("capital sharp s", {QStringLiteral("STRA\u1e9eE"), QStringLiteral("stra\u00dfe"), "strasse"},
            QStringLiteral("stra\u00dfe"), true, {0, 1});
        row("byte order mark inside the needle", {QStringLiteral("abc\ufeffdef"), "abcdef"},
            QStringLiteral("c\ufeffd"), true, {0});
        row("Cyrillic in both cases",
            {QStringLiteral("\u0420\u0430\u0437\u043c\u0435\u0440"),
             QStringLiteral("\u0440\u0410\u0417\u041c\u0415\u0420")},
            QStringLiteral("\u0440\u0430\u0437"), true, {0, 1});
    }
    void findsInEitherEncoding()
    {
        QFETCH(QStringList, raw);
        QFETCH(QString, text);
        QFETCH(bool, utf8Only);
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            if (utf8Only && encoding == TextEncoding::Windows1252)
                continue;
            const HistoryLines lines = makeLines(raw, {}, encoding);
            QTEST(toList(::findAll(lines, text, SearchIn::Everywhere, false)), "expected");
            Lines stepped;
            for (LineIndex at = ::findNext(lines, text, 0_line, SearchIn::Everywhere, false); !at.isNone();
                 at = ::findNext(lines, text, at + 1, SearchIn::Everywhere, false))
                stepped << at.value();
            QTEST(stepped, "expected");
        }
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
};

QTEST_APPLESS_MAIN(tst_LineSearch)
#include "tst_LineSearch.moc"
