#include "ChangesWindowHelpers.h"

#include "search/SearchTextSource.h"
#include "settings/ProfilePaths.h"

class FixedSearchText : public SearchTextSource
{
public:
    explicit FixedSearchText(QString text)
        : m_text(std::move(text))
    {
    }
    QString searchText() const override { return m_text; }

private:
    QString m_text;
};

class tst_SearchCommands : public QObject
{
    Q_OBJECT

private slots:
    void findString_data();
    void findString();
    void findStringSwitchesViewToAllChanges();
    void findAllListsMatchesAndMarksText();
    void findAllWithoutMatchEmptiesResults();
    void relistsResults_data();
    void relistsResults();
    void clickingReleaseLeavesResults();
    void fileOpenLoadsAndRemembersFile();
    void fileOpenOfUnreadableFileKeepsHistory();
};

void tst_SearchCommands::findString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("searchIn");
    QTest::addColumn<int>("wholeWord");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("release");

    QTest::newRow("first match") << "TAB" << 0 << 0 << 0 << 3 << 1;
    QTest::newRow("walking on from the last result") << "tab" << 3 << 0 << 0 << 8 << 2;
    QTest::newRow("whole word not at the end of a line") << "tab" << 3 << 0 << 1 << 12 << 1;
    QTest::newRow("match on the last line") << "zeta" << 0 << 0 << 0 << 11 << 3;
    QTest::newRow("start past the last line") << "zeta" << 11 << 0 << 0 << 12 << 1;
    QTest::newRow("additions only skip a fix") << "delta" << 0 << 1 << 0 << 12 << 1;
    QTest::newRow("fixes only") << "delta" << 0 << 2 << 0 << 8 << 2;
}

void tst_SearchCommands::findString()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, searchIn);
    QFETCH(int, wholeWord);
    QFETCH(int, result);
    QFETCH(int, release);
    MainWindowFixture fixture;
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));

    QCOMPARE(w.FindString(text, start, searchIn, wholeWord), result);
    QCOMPARE(markedVersion(w), release);
    if (result <= w.LastLineIndex() + 1)
        QCOMPARE(wrapPanel(w)->toPlainText(), sampleHistory().at(result - 1));
}

void tst_SearchCommands::findStringSwitchesViewToAllChanges()
{
    MainWindowFixture fixture;
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    action(w, "mnuViewAdditions")->trigger();
    QCOMPARE(w.FindString(QStringLiteral("nowhere"), 0, 0, 0), 12);
    QCOMPARE(w.viewFilter(), ViewFilter::AllChanges);
    QCOMPARE(action(w, "mnuViewAllChanges")->isChecked(), true);
    QCOMPARE(changeTexts(w).size(), 3); // the release's heading and both changes
}

void tst_SearchCommands::findAllListsMatchesAndMarksText()
{
    MainWindowFixture fixture;
    fixture.writeSetting(KeyWrapPanelVisible, QStringLiteral("0"));
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    FixedSearchText searched(QStringLiteral("TAB"));
    w.setSearchTextSource(&searched);

    w.FindAll(QStringLiteral("tab"), 0, 0);

    QCOMPARE(changeTexts(w), (QStringList{"Search Result:", "Added: alpha tab one", "Fixed: delta tab"}));
    QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("2 instance(s) found"));
    QCOMPARE(w.SearchResultLines(), (std::vector<LineIndex>{2, 7}));
    QCOMPARE(currentChangeText(w), QStringLiteral("Added: alpha tab one"));
    QCOMPARE(action(w, "mnuViewWrapPanel")->isChecked(), true);
    QCOMPARE(wrapPanel(w)->textCursor().selectedText(), QStringLiteral("tab"));
    QCOMPARE(wrapPanel(w)->textCursor().selectionStart(), 22);
}

void tst_SearchCommands::findAllWithoutMatchEmptiesResults()
{
    MainWindowFixture fixture;
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    w.FindAll(QStringLiteral("tab"), 0, 0);

    w.FindAll(QStringLiteral("No Such"), 0, 0);

    QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Cannot find \"No Such\""));
    QCOMPARE(changeTexts(w), QStringList{"Search Result:"});
    QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("0 instance(s) found"));
    QCOMPARE(w.SearchResultLines(), std::vector<LineIndex>{});
    // A later re-listing must not bring back the earlier search's matches.
    action(w, "mnuViewFixes")->trigger();
    QCOMPARE(changeTexts(w), QStringList{"Search Result:"});
}

void tst_SearchCommands::relistsResults_data()
{
    QTest::addColumn<QString>("reversedAtSearch");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("count");

    QTest::newRow("additions filter") << "0" << "mnuViewAdditions"
                                      << QStringList{"Search Result:", "Added: alpha tab one"} << "1 instance(s) found";
    QTest::newRow("fixes filter") << "0" << "mnuViewFixes" << QStringList{"Search Result:", "Fixed: delta tab"}
                                  << "1 instance(s) found";
    QTest::newRow("reversed order switched on")
        << "0" << "mnuViewReversedList" << QStringList{"Search Result:", "Fixed: delta tab", "Added: alpha tab one"}
        << "2 instance(s) found";
    QTest::newRow("reversed order switched off")
        << "1" << "mnuViewReversedList" << QStringList{"Search Result:", "Added: alpha tab one", "Fixed: delta tab"}
        << "2 instance(s) found";
}

void tst_SearchCommands::relistsResults()
{
    QFETCH(QString, reversedAtSearch);
    QFETCH(QString, command);
    QFETCH(QStringList, rows);
    QFETCH(QString, count);
    MainWindowFixture fixture;
    fixture.writeSetting(KeyReversedList, reversedAtSearch);
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    w.FindAll(QStringLiteral("tab"), 0, 0);

    action(w, command.toLatin1().constData())->trigger();

    QCOMPARE(changeTexts(w), rows);
    QCOMPARE(panelText(w, "StatusBar1_Panel1"), count);
    QCOMPARE(changesList(w)->selectionModel()->selectedRows().size(), 0);
}

void tst_SearchCommands::clickingReleaseLeavesResults()
{
    MainWindowFixture fixture;
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    w.FindAll(QStringLiteral("tab"), 0, 0);
    clickVersion(w, 3);
    action(w, "mnuViewReversedList")->trigger();
    QCOMPARE(changeTexts(w), (QStringList{"Fixed: zeta", "Added: epsilon", "Release Total Commander 1.0"}));
}

void tst_SearchCommands::fileOpenLoadsAndRemembersFile()
{
    MainWindowFixture fixture;
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    const QString other = fixture.writeHistory({"Release Total Commander 7.0", "07.07.07 Added: x"},
                                               QStringLiteral("Other.txt"));
    cCommonDialog::scriptOpenAnswer({true, other});

    action(w, "mnuFileOpen")->trigger();

    QCOMPARE(fixture.readSetting(QStringLiteral("LastFile")), CollapsePath(other));
    QVERIFY(fixture.readSetting(QStringLiteral("LastFile")).startsWith(QStringLiteral("pellavorin:")));
    QCOMPARE(versionsList(w)->topLevelItemCount(), 2);
    QCOMPARE(w.historyFilePath(), other);
}

void tst_SearchCommands::fileOpenOfUnreadableFileKeepsHistory()
{
    MainWindowFixture fixture;
    frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
    fixture.writeSetting(QStringLiteral("LastFile"), QStringLiteral("kept"));
    const QString missing = fixture.path(QStringLiteral("Gone.txt"));
    cCommonDialog::scriptOpenAnswer({true, missing});

    action(w, "mnuFileOpen")->trigger();

    QVERIFY(MessageBox::shownTexts().last().contains(missing));
    QCOMPARE(fixture.readSetting(QStringLiteral("LastFile")), QStringLiteral("kept"));
    QCOMPARE(versionsList(w)->topLevelItemCount(), 4);
    QCOMPARE(changeTexts(w).size(), 3);
}

QTEST_MAIN(tst_SearchCommands)
#include "tst_SearchCommands.moc"
