#include "history/WildcardPattern.h"

#include <QTest>

class tst_WildcardPattern : public QObject
{
    Q_OBJECT
private slots:
    void matchesWholeLine_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("expected");
        const auto row = [](const char *name, const QString &pattern, const QString &line, bool expected) {
            QTest::newRow(name) << pattern << line << expected;
        };
        row("empty pattern, empty line", "", "", true);
        row("literal is whole line", "abc", "abc", true);
        row("literal needs whole line", "abc", "abcd", false);
        row("# digit", "a#", "a7", true);
        row("# not a letter", "a#", "ax", false);
        row("# not a non-ASCII digit", "#", QStringLiteral("\u0663"), false);
        row("? one character", "a?c", "abc", true);
        row("? not zero characters", "a?c", "ac", false);
        row("? is a whole code point", "a?c", QStringLiteral("a\u20acc"), true);
        row("? is a whole astral character", "?", QStringLiteral("\U0001F600"), true);
        row("* empty run", "a*b", "ab", true);
        row("* backtracks to later match", "*ab", "aab", true);
        row("* then text must end line", "*ab", "abx", false);
        row("list", "[abc]", "b", true);
        row("range", "[a-f]x", "dx", true);
        row("range ignores case", "[a-f]", "D", true);
        row("! negation", "[!a-f]", "g", true);
        row("! negation ignores case", "[!a-f]", "C", false);
        row("list holds wildcards as text", "[*#?]", "#", true);
        row("trailing hyphen in list", "[a-]", "-", true);
        row("unclosed [ stands for itself", "[a", "[a", true);
        row("ASCII letters ignore case", "ADDED:", "added:", true);
        row("non-ASCII letters ignore case", QStringLiteral("\u00c4nderung"), QStringLiteral("\u00e4NDERUNG"),
            true);
        row("addition pattern", "##.##.##*Added:*", "10.03.99 added: new option", true);
        row("addition pattern needs date first", "##.##.##*Added:*", "Added: 10.03.99", false);
        row("addition pattern, one-digit month", "##.##.##*Added:*", "10.3.99 Added: x", false);
        row("addition pattern, upper case", "##.##.##*Fixed:*", "10.03.99 FIXED: z", true);
        row("addition pattern, Kelvin sign folds to k", "##.##.##*k*", QStringLiteral("10.03.99 \u212a"),
            true);
        row("dated pattern, exact date only", "##.##.##*", "10.03.99", true);
        row("word after near misses in both cases", "*Commander*", "cOMMAND Mm comMANDER", true);
        row("word cut off at the line end", "*Commander*", "command Command", false);
        row("two words in order", "*fix*crash*", "Fixed: crash", true);
        row("two words out of order", "*crash*fix*", "Fixed: crash", false);
    }
    void matchesWholeLine()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, line);
        QTEST(WildcardPattern(pattern).matches(line.toUtf8()), "expected");
    }
};

QTEST_GUILESS_MAIN(tst_WildcardPattern)
#include "tst_WildcardPattern.moc"
