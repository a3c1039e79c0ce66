#include "MainWindowFixture.h"
#include "Positions.h"

#include "mainwin/SearchTextSource.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

namespace {
struct FixedSearchText : SearchTextSource
{
    QString text;
    QString searchText() const override { return text; }
};

QDialog *openFindDialog(frmMain &w)
{
    trigger(w, "mnuSearchFind");
    return child<QDialog>(w, "frmSearchFor");
}
} // namespace

class tst_SearchCommands : public QObject
{
    Q_OBJECT

private slots:
    void findString_data()
    {
        QTest::addColumn<bool>("additionsShown");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("searchIn");
        QTest::addColumn<int>("wholeWord");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("release");

        QTest::newRow("first match") << false << "TAB" << 0 << 0 << 0 << 3 << 1;
        QTest::newRow("walking on from the last result") << false << "tab" << 3 << 0 << 0 << 8 << 2;
        QTest::newRow("whole word not at the end of a line") << false << "tab" << 3 << 0 << 1 << 12 << 1;
        QTest::newRow("match on the last line") << false << "zeta" << 0 << 0 << 0 << 11 << 3;
        QTest::newRow("start past the last line") << false << "zeta" << 11 << 0 << 0 << 12 << 1;
        QTest::newRow("additions only skip a fix") << false << "delta" << 0 << 1 << 0 << 12 << 1;
        QTest::newRow("fix found while only additions are shown") << true << "delta" << 0 << 0 << 0 << 8 << 2;
    }
    void findString()
    {
        QFETCH(bool, additionsShown);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, searchIn);
        QFETCH(int, wholeWord);
        QFETCH(int, result);
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        if (additionsShown)
            trigger(w, "mnuViewAdditions");

        QCOMPARE(w.FindString(text, LineIndex(start), searchInFromNumber(searchIn), wholeWord == 1).value(),
                 result);
        QTEST(markedVersion(w), "release");
        if (result <= w.LastLineIndex().value() + 1)
            QCOMPARE(wrapPanel(w)->toPlainText(), sampleHistory().at(result - 1));
        QCOMPARE(action(w, "mnuViewAllChanges")->isChecked(), true);
    }

    void findAllListsMatchesAndMarksText()
    {
        MainWindowFixture fixture;
        fixture.writeSetting(KeyWrapPanelVisible, QStringLiteral("0"));
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        FixedSearchText searched;
        searched.text = QStringLiteral("TAB");
        w.setSearchTextSource(&searched);

        w.FindAll(QStringLiteral("tab"), SearchIn::Everywhere, false);

        QCOMPARE(changeTexts(w), (QStringList{"Search Result:", "Added: alpha tab one", "Fixed: delta tab"}));
        QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("2 instance(s) found"));
        QCOMPARE(w.SearchResultLines(), lineList({2, 7}));
        QCOMPARE(currentChangeText(w), QStringLiteral("Added: alpha tab one"));
        QCOMPARE(action(w, "mnuViewWrapPanel")->isChecked(), true);
        QCOMPARE(wrapPanel(w)->textCursor().selectedText(), QStringLiteral("tab"));
        QCOMPARE(wrapPanel(w)->textCursor().selectionStart(), 22);
    }

    void findAllWithoutMatchEmptiesResults()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        w.FindAll(QStringLiteral("tab"), SearchIn::Everywhere, false);

        w.FindAll(QStringLiteral("No Such"), SearchIn::Everywhere, false);

        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Cannot find \"No Such\""));
        QCOMPARE(changeTexts(w), QStringList{"Search Result:"});
        QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("0 instance(s) found"));
        QCOMPARE(w.SearchResultLines(), std::vector<LineIndex>{});
        trigger(w, "mnuViewFixes"); // must not bring back the earlier search's matches
        QCOMPARE(changeTexts(w), QStringList{"Search Result:"});
    }

    void relistsResults_data()
    {
        QTest::addColumn<bool>("reversedAtSearch");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("count");

        const QString head = QStringLiteral("Search Result:"), added = QStringLiteral("Added: alpha tab one");
        const QString fixed = QStringLiteral("Fixed: delta tab");
        QTest::newRow("additions filter")
            << false << "mnuViewAdditions" << QStringList{head, added} << "1 instance(s) found";
        QTest::newRow("fixes filter")
            << false << "mnuViewFixes" << QStringList{head, fixed} << "1 instance(s) found";
        QTest::newRow("reversed order switched on")
            << false << "mnuViewReversedList" << QStringList{head, fixed, added} << "2 instance(s) found";
        QTest::newRow("reversed order switched off")
            << true << "mnuViewReversedList" << QStringList{head, added, fixed} << "2 instance(s) found";
    }
    void relistsResults()
    {
        QFETCH(bool, reversedAtSearch);
        QFETCH(QString, command);
        MainWindowFixture fixture;
        fixture.writeSetting(KeyReversedList, flag(reversedAtSearch));
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        w.FindAll(QStringLiteral("tab"), SearchIn::Everywhere, false);

        trigger(w, command);

        QTEST(changeTexts(w), "rows");
        QTEST(panelText(w, "StatusBar1_Panel1"), "count");
        QCOMPARE(changesList(w)->selectionModel()->selectedRows().size(), 0);
    }

    void clickingReleaseLeavesResults()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        w.FindAll(QStringLiteral("tab"), SearchIn::Everywhere, false);
        clickVersion(w, 3);
        trigger(w, "mnuViewReversedList");
        QCOMPARE(changeTexts(w),
                 (QStringList{"Fixed: zeta", "Added: epsilon", "Release Total Commander 1.0"}));
    }

    void findDialogFindAllListsResults()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QDialog *dialog = openFindDialog(w);
        QVERIFY(dialog && dialog->isVisible());
        QTest::keyClicks(dialog->findChild<QComboBox *>(QStringLiteral("cboFindWhat")),
                         QStringLiteral("tab"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindAll")), Qt::LeftButton);
        QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("2 instance(s) found"));
        QCOMPARE(changeTexts(w), (QStringList{"Search Result:", "Added: alpha tab one", "Fixed: delta tab"}));
    }
};

QTEST_MAIN(tst_SearchCommands)
#include "tst_SearchCommands.moc"
