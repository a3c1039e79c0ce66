#include "app/CommandLine.h"
#include "app/ToolbarLayout.h"

#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void reportOptionsAreRead_data();
    void reportOptionsAreRead();
    void usageErrorsAreReported_data();
    void usageErrorsAreReported();
    void toolbarLayoutIsParsed();
    void toolbarLayoutChoiceFollowsDefaultToolbar_data();
    void toolbarLayoutChoiceFollowsDefaultToolbar();
};

void tst_CommandLine::reportOptionsAreRead_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ini");

    using M = CommandLine::Mode;
    QTest::newRow("viewer with a file") << QStringList{"H.txt"} << int(M::Viewer) << "H.txt" << "" << "";
    QTest::newRow("viewer without a file") << QStringList{} << int(M::Viewer) << "" << "" << "";
    QTest::newRow("releases with ini") << QStringList{"--ini", "a.ini", "--releases", "H.txt"} << int(M::Releases)
                                       << "H.txt" << "" << "a.ini";
    QTest::newRow("find text then file") << QStringList{"--find", "tab", "H.txt", "--whole-word"} << int(M::Find)
                                         << "H.txt" << "tab" << "";
    QTest::newRow("find text with a dash after --") << QStringList{"--find", "--", "-x", "H.txt"} << int(M::Find)
                                                    << "H.txt" << "-x" << "";
    QTest::newRow("file name with blanks kept whole") << QStringList{"/a b/History.txt"} << int(M::Viewer)
                                                      << "/a b/History.txt" << "" << "";
}

void tst_CommandLine::reportOptionsAreRead()
{
    QFETCH(QStringList, args);
    QFETCH(int, mode);
    const CommandLine line = parseCommandLine(args);
    QCOMPARE(line.error, QString());
    QCOMPARE(int(line.mode), mode);
    QTEST(line.file, "file");
    QTEST(line.text, "text");
    QTEST(line.iniPath, "ini");
}

void tst_CommandLine::usageErrorsAreReported_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList{"--frobnicate", "H.txt"};
    QTest::newRow("report without file") << QStringList{"--releases"};
    QTest::newRow("ini without value") << QStringList{"--ini"};
    QTest::newRow("bad filter") << QStringList{"--changes", "H.txt", "--filter", "some"};
    QTest::newRow("bad search place") << QStringList{"--find", "x", "H.txt", "--in", "headers"};
    QTest::newRow("two files") << QStringList{"a.txt", "b.txt"};
}

void tst_CommandLine::usageErrorsAreReported()
{
    QFETCH(QStringList, args);
    QVERIFY(!parseCommandLine(args).error.isEmpty());
}

void tst_CommandLine::toolbarLayoutIsParsed()
{
    using T = ToolbarEntry::Type;
    using S = ToolbarEntry::Style;
    const auto entries = parseToolbarButtons(QStringLiteral("a,0,1,102,1|-,-,-,-,1|-,300,-,-,1|b,2,4,103,0|x,y|g,1,7"));
    QCOMPARE(entries.size(), std::size_t(5));
    QCOMPARE(entries[0], (ToolbarEntry{T::Button, "a", S::Plain, 1, "102", true, 0}));
    QCOMPARE(entries[1].type, T::Separator);
    QCOMPARE(entries[2], (ToolbarEntry{T::Gap, {}, S::Plain, 0, {}, true, 300}));
    QCOMPARE(entries[3], (ToolbarEntry{T::Button, "b", S::Group, 4, "103", false, 0}));
    QCOMPARE(entries[4], (ToolbarEntry{T::Button, "g", S::Check, 7, {}, true, 0}));
    QCOMPARE(parseToolbarButtons(BuiltInToolbarButtons).size(), std::size_t(11));
}

void tst_CommandLine::toolbarLayoutChoiceFollowsDefaultToolbar_data()
{
    QTest::addColumn<QString>("defaultToolbar");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("builtIn");
    QTest::newRow("default keeps built-in") << "1" << "a,0,1,1,1" << true << true;
    QTest::newRow("0 takes the setting") << "0" << "a,0,1,1,1" << true << false;
    QTest::newRow("0 without a setting") << "0" << "" << false << true;
    QTest::newRow("0 with nothing readable") << "0" << "zzz" << true << true;
    QTest::newRow("not a number") << "no" << "a,0,1,1,1" << true << true;
}

void tst_CommandLine::toolbarLayoutChoiceFollowsDefaultToolbar()
{
    QFETCH(QString, defaultToolbar);
    QFETCH(QString, buttons);
    QFETCH(bool, present);
    QFETCH(bool, builtIn);
    QCOMPARE(chooseToolbarLayout(defaultToolbar, buttons, present) == BuiltInToolbarButtons, builtIn);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
