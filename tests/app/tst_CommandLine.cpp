#include "DataTable.h"

#include "app/CommandLine.h"
#include "app/ToolbarLayout.h"

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void reportOptionsAreRead_data()
    {
        const auto row = addColumns<QStringList, CommandLine::Mode, QString, QString, QString>(
            {"args", "mode", "file", "text", "ini"});
        using M = CommandLine::Mode;
        row("viewer with a file", {"H.txt"}, M::Viewer, "H.txt", "", "");
        row("viewer without a file", {}, M::Viewer, "", "", "");
        row("releases with ini", {"--ini", "a.ini", "--releases", "H.txt"}, M::Releases, "H.txt", "",
            "a.ini");
        row("viewer with a fallback", {"--fallback", "F.txt", "H.txt"}, M::Viewer, "H.txt", "", "");
        row("find text with a dash after --", {"--find", "--", "-x", "H.txt"}, M::Find, "H.txt", "-x", "");
        row("version", {"--version"}, M::Version, "", "", "");
        row("version wins over what follows", {"--version", "--frobnicate"}, M::Version, "", "", "");
    }
    void reportOptionsAreRead()
    {
        QFETCH(QStringList, args);
        const CommandLine line = parseCommandLine(args);
        QCOMPARE(line.error, QString());
        QTEST(line.mode, "mode");
        QTEST(line.file, "file");
        QTEST(line.text, "text");
        QTEST(line.iniPath, "ini");
    }

    void usageErrorsAreReported_data()
    {
        // named: what the message must name
        const auto row = addColumns<QStringList, QString>({"args", "named"});
        row("unknown option", {"--frobnicate", "H.txt"}, "--frobnicate");
        row("unknown option before help", {"-x", "--help"}, "-x");
        row("report without file", {"--releases"}, "file");
        row("ini without value", {"--ini"}, "--ini");
        row("bad filter", {"--changes", "H.txt", "--filter", "some"}, "--filter");
        row("bad search place", {"--find", "x", "H.txt", "--in", "headers"}, "--in");
        row("two files", {"a.txt", "b.txt"}, "b.txt");
        row("empty text to find", {"--find", "", "H.txt"}, "--find");
        row("find reversed", {"--find", "T", "H.txt", "--reversed"}, "--reversed");
        row("report with a fallback", {"--weekdays", "H.txt", "--fallback", "F.txt"}, "--fallback");
        row("viewer of a release", {"--release", "k0", "H.txt"}, "--release");
        row("changes of two releases", {"--changes", "H.txt", "--release", "k0", "--release", "k5"},
            "--release");
    }
    void usageErrorsAreReported()
    {
        auto [args, named] = fetch<QStringList, QString>({"args", "named"});
        const QString error = parseCommandLine(args).error;
        QVERIFY2(error.contains(named), qPrintable(error));
    }

    void toolbarLayoutIsParsed()
    {
        using T = ToolbarEntry::Type;
        using S = ToolbarEntry::Style;
        const auto entries =
            parseToolbarButtons(QStringLiteral("a,0,1,102,1|-,-,-,-,1|-,300,-,-,1|b,2,4,103,0|x,y|g,1,7"));
        QCOMPARE(entries.size(), std::size_t(5));
        QCOMPARE(entries[0], (ToolbarEntry{T::Button, "a", S::Plain, 1, "102", true, 0}));
        QCOMPARE(entries[1].type, T::Separator);
        QCOMPARE(entries[2], (ToolbarEntry{T::Gap, {}, S::Plain, 0, {}, true, 300}));
        QCOMPARE(entries[3], (ToolbarEntry{T::Button, "b", S::Group, 4, "103", false, 0}));
        QCOMPARE(entries[4], (ToolbarEntry{T::Button, "g", S::Check, 7, {}, true, 0}));
    }

    void toolbarLayoutChoiceFollowsDefaultToolbar_data()
    {
        const auto row =
            addColumns<QString, QString, bool, bool>({"defaultToolbar", "buttons", "present", "builtIn"});

        row("default keeps built-in", "1", "a,0,1,1,1", true, true);
        row("0 without a setting", "0", "", false, true);
        row("0 with nothing readable", "0", "zzz", true, true);
        row("not a number", "no", "a,0,1,1,1", true, true);
    }
    void toolbarLayoutChoiceFollowsDefaultToolbar()
    {
        auto [defaultToolbar, buttons, present] =
            fetch<QString, QString, bool>({"defaultToolbar", "buttons", "present"});
        QTEST(chooseToolbarLayout(defaultToolbar, buttons, present) == BuiltInToolbarButtons, "builtIn");
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
