#include "DataTable.h"

#include "history/WildcardPattern.h"

// The matcher is compared with a reference matcher on random input (fuzz_wildcard); these rows pin
// down one meaning of each rule that the reference could get wrong as well.
class tst_WildcardPattern : public QObject
{
    Q_OBJECT
private slots:
    void matchesWholeLine_data()
    {
        const auto row = addColumns<QString, QString, bool>({"pattern", "line", "expected"});
        row("literal needs whole line", "abc", "abcd", false);
        row("# not a non-ASCII digit", "#", QStringLiteral("\u0663"), false);
        row("? is a whole astral character", "?", QStringLiteral("\U0001F600"), true);
        row("* backtracks to later match", "*ab", "aab", true);
        row("text after the last * must end the line", "*ab", "aabc", false);
        row("* may stand for nothing", "a*b*", "ab", true);
        row("range ignores case", "[a-f]", "D", true);
        row("! negation ignores case", "[!a-f]", "C", false);
        row("list holds wildcards as text", "[*#?]", "#", true);
        row("trailing hyphen in list", "[a-]", "-", true);
        row("unclosed [ stands for itself", "[a", "[a", true);
        row("non-ASCII letters ignore case", QStringLiteral("\u00c4nderung"), QStringLiteral("\u00e4NDERUNG"),
            true);
        row("addition pattern", "##.##.##*Added:*", "10.03.99 added: new option", true);
        row("addition pattern, one-digit month", "##.##.##*Added:*", "10.3.99 Added: x", false);
        row("addition pattern, letter for a digit", "##.##.##*Added:*", "1O.03.99 Added: x", false);
        row("addition pattern, Kelvin sign folds to k", "##.##.##*k*", QStringLiteral("10.03.99 \u212a"),
            true);
    }
    void matchesWholeLine()
    {
        auto [pattern, line] = fetch<QString, QString>({"pattern", "line"});
        QTEST(WildcardPattern(pattern).matches(line.toUtf8()), "expected");
    }
};

QTEST_GUILESS_MAIN(tst_WildcardPattern)
#include "tst_WildcardPattern.moc"
