#include "DataTable.h"
#include "HistoryFixture.h"
#include "history/ReleaseDetection.h"
#include "history/WildcardPattern.h"

class tst_ReleaseDetection : public QObject
{
    Q_OBJECT
private slots:
    void formatsOldHeader_data()
    {
        const auto row = addColumns<QString, QString>({"line", "expected"});
        row("text after bracket dropped", "New in Version 4.50 (30.6.00):", "30.06.00 New in Version 4.50");
        row("parts kept in their order", "X (1999.3.10)", "99.03.10 X");
        row("fourth part ignored", "X (1.2.3.4)", "01.02.03 X");
        row("empty part padded", "X (..5)", "00.00.05 X");
        row("two parts only: kept", "New in version 3.0 (3.99)", "New in version 3.0 (3.99)");
        row("closing bracket first: kept", "x) New in version (1.2.3", "x) New in version (1.2.3");
    }
    void formatsOldHeader()
    {
        QFETCH(QString, line);
        QTEST(FormatOldReleaseHeader(line), "expected");
    }

    // An empty "detect" column stands for the default detection texts.
    void findsReleases_data()
    {
        const auto add = addColumns<QString, QByteArray, QStringList, QStringList>(
            {"detect", "file", "releases", "lines"});
        const auto row = [&](const char *name, const QByteArray &file, const QStringList &releases,
                             const QStringList &lines,
                             const QString &detect = {}) { add(name, detect, file, releases, lines); };
        row("Wincmd and new in version: rewritten, labelled from character 16",
            "Release Wincmd and New in version 4.0 (10.3.99)", {"k0 e Wincmd and New in version 4.0"},
            {"10.03.99 Release Wincmd and New in version 4.0"});
        row("Wincmd and new in version without date: earlier list entry labels",
            "Release Wincmd 4 New in version 4.0", {"k0 version 4.0"},
            {"Release Wincmd 4 New in version 4.0"});
        row("Wincmd and 3.51 without date: Wincmd labels", "Release Version 3.51 Release Wincmd 3",
            {"k0 Wincmd 3"}, {"Release Version 3.51 Release Wincmd 3"});
        row("old header without date keeps line and label", "New in version 3.0", {"k0 version 3.0"},
            {"New in version 3.0"});
        row("UTF-8 line, label after its letters", "\xc3\xa9t\xc3\xa9 RELEASE Wincmd 4.0 \xc3\xa9",
            {QStringLiteral("k0 Wincmd 4.0 \u00e9")},
            {QStringLiteral("\u00e9t\u00e9 RELEASE Wincmd 4.0 \u00e9")});
        row("detection text with accents, other case", "x\nVERSI\xd3N 4 del programa",
            {QStringLiteral("k1 4 del programa")}, {"x", QStringLiteral("VERSI\u00d3N 4 del programa")},
            QStringLiteral("Versi\u00f3n 4"));
        row("undated text is no header", "Total Commander\r\n", {}, {"Total Commander"});
        row("fix line holding a release text is no header", "10.03.99 Fixed: Release Wincmd 4 menu", {},
            {"10.03.99 Fixed: Release Wincmd 4 menu"});
        row("addition line holding a release text is no header", "10.03.99 Added: New in version 4", {},
            {"10.03.99 Added: New in version 4"});
        row("no third entry: no rewrite", "New in version 4.0 (10.3.99)", {"k0 version 4.0 (10.3.99)"},
            {"New in version 4.0 (10.3.99)"}, "Release,New in version");
        row("empty entry occurs nowhere", "plain text\nRelease X 1", {"k1 X 1"},
            {"plain text", "Release X 1"}, "Release X,,Nothing");
        row("blank after comma is part of the text", "Beta 2\nfoo Beta 3 final", {"k1 final"},
            {"Beta 2", "foo Beta 3 final"}, "Release X, Beta");
    }
    void findsReleases()
    {
        auto [detect, file] = fetch<QString, QByteArray>({"detect", "file"});
        DetectionSettings settings = DetectionSettings::defaults();
        if (!detect.isEmpty())
            settings.VersionDetectList = detect.split(u',');
        const HistoryDocument read = decodedHistory(file, settings);
        QStringList found;
        for (const Release &r : read.releases)
            found << r.key() + u' ' + r.label;
        QTEST(found, "releases");
        QTEST(allLines(read.lines), "lines");
    }

    void rewrittenHeaderIsDated()
    {
        const HistoryLines lines = decodedHistory("New in version 4.0 (10.3.99)").lines;
        QCOMPARE(lines.isReplaced(0_line), true);
        QCOMPARE(lines.isDated(0_line), true);
        QCOMPARE(lines.kind(0_line), ChangeKind::Other);
    }

    void classifiesLines_data()
    {
        const auto row = addColumns<QString, QString, ChangeKind>({"changeDetectStrings", "line", "kind"});
        const QString defaults = QStringLiteral("##.##.##*Added:*,##.##.##*Fixed:*");
        row("both: addition", defaults, "10.03.99 Added: Fixed: x", ChangeKind::Addition);
        row("dated other", defaults, "10.03.99 Changed: x", ChangeKind::Other);
        row("no fix pattern matches no fix", "##.##.##*Added:*", "10.03.99 Fixed: x", ChangeKind::Other);
        row("blank after comma is part of the pattern", "##.##.##*Added:*, ##.##.##*Fixed:*",
            "10.03.99 Fixed: x", ChangeKind::Other);
    }
    void classifiesLines()
    {
        auto [changeDetectStrings, line, kind] =
            fetch<QString, QString, ChangeKind>({"changeDetectStrings", "line", "kind"});
        DetectionSettings settings = DetectionSettings::defaults();
        settings.ChangeDetectList = changeDetectStrings.split(u',');
        const HistoryLines lines = decodedHistory(line.toUtf8(), settings).lines;
        QCOMPARE(lines.kind(0_line), kind);
        QCOMPARE(lines.isDated(0_line), true);
    }

    // The matcher is compared with a reference matcher on random input (fuzz_wildcard); these rows
    // pin down one meaning of each rule that the reference could get wrong as well.
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

QTEST_GUILESS_MAIN(tst_ReleaseDetection)
#include "tst_ReleaseDetection.moc"
