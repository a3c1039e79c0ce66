#include "DataTable.h"
#include "MainWindowFixture.h"
#include "Positions.h"
#include "search/HitDelegate.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

class tst_SearchCommands : public QObject
{
    Q_OBJECT

private slots:
    void findString_data()
    {
        const auto row = addColumns<bool, QString, int, int, bool, int, int>(
            {"additionsShown", "text", "start", "searchIn", "wholeWord", "result", "release"});
        row("first match", false, "TAB", 0, 0, false, 3, 1);
        row("whole word not at the end of a line", false, "tab", 3, 0, true, 12, 1);
        row("start past the last line", false, "zeta", 11, 0, false, 12, 1);
        row("additions only skip a fix", false, "delta", 0, 1, false, 12, 1);
        row("addition found while only additions are shown", true, "gamma", 0, 0, false, 7, 2);
    }
    void findString()
    {
        auto [additionsShown, text, start, searchIn, wholeWord, result] =
            fetch<bool, QString, int, int, bool, int>(
                {"additionsShown", "text", "start", "searchIn", "wholeWord", "result"});
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        if (additionsShown)
            trigger(w, "mnuViewAdditions");

        QCOMPARE(
            w.search().FindString(text, LineIndex(start), searchInFromNumber(searchIn), wholeWord).value(),
            result);
        QTEST(markedVersion(w), "release");
        if (result <= w.search().LastLineIndex().value() + 1)
            QCOMPARE(wrapPanel(w)->toPlainText(), sampleHistory().at(result - 1));
        QCOMPARE(action(w, "mnuViewAllChanges")->isChecked(), true);
    }

    // Find All from the dialog; the wrap panel marks the dialog's text, whatever its case. A search
    // without a match then empties the list.
    void findAllListsMatchesOrNone()
    {
        MainWindowFixture fixture;
        fixture.writeSetting(KeyWrapPanelVisible, QStringLiteral("0"));
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        trigger(w, "mnuSearchFind");
        auto *dialog = child<QDialog>(w, "frmSearchFor");
        QTest::keyClicks(dialog->findChild<QComboBox *>(QStringLiteral("cboFindWhat")),
                         QStringLiteral("TAB"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindAll")), Qt::LeftButton);

        QCOMPARE(changeTexts(w), (QStringList{"Search Result:", "Added: alpha tab one", "Fixed: delta tab"}));
        QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("2 instance(s) found"));
        QCOMPARE(currentChangeText(w), QStringLiteral("Added: alpha tab one"));
        QCOMPARE(action(w, "mnuViewWrapPanel")->isChecked(), true);
        QCOMPARE(wrapPanel(w)->textCursor().selectedText(), QStringLiteral("tab"));
        QCOMPARE(wrapPanel(w)->textCursor().selectionStart(), 22);

        w.search().FindAll(QStringLiteral("No Such"), SearchIn::Everywhere, false);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Cannot find \"No Such\""});
        QCOMPARE(changeTexts(w), QStringList{"Search Result:"});
        QCOMPARE(panelText(w, "StatusBar1_Panel1"), QStringLiteral("0 instance(s) found"));
        trigger(w, "mnuViewFixes"); // must not bring back the earlier search's matches
        QCOMPARE(changeTexts(w), QStringList{"Search Result:"});
    }

    void relistsResults_data()
    {
        const auto row =
            addColumns<bool, QString, QStringList, QString>({"reversedAtSearch", "command", "rows", "count"});
        const QString head = QStringLiteral("Search Result:"), added = QStringLiteral("Added: alpha tab one");
        const QString fixed = QStringLiteral("Fixed: delta tab");
        row("additions filter", false, "mnuViewAdditions", {head, added}, "1 instance(s) found");
        row("fixes filter", false, "mnuViewFixes", {head, fixed}, "1 instance(s) found");
        row("reversed order switched on", false, "mnuViewReversedList", {head, fixed, added},
            "2 instance(s) found");
        row("reversed order switched off", true, "mnuViewReversedList", {head, added, fixed},
            "2 instance(s) found");
    }
    void relistsResults()
    {
        auto [reversedAtSearch, command] = fetch<bool, QString>({"reversedAtSearch", "command"});
        MainWindowFixture fixture;
        fixture.writeSetting(KeyReversedList, flag(reversedAtSearch));
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        w.search().FindAll(QStringLiteral("tab"), SearchIn::Everywhere, false);

        trigger(w, command);

        QTEST(changeTexts(w), "rows");
        QTEST(panelText(w, "StatusBar1_Panel1"), "count");
        QCOMPARE(changesList(w)->selectionModel()->selectedRows().size(), 0);
    }

    void clickingReleaseLeavesResults()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        w.search().FindAll(QStringLiteral("tab"), SearchIn::Everywhere, false);
        clickVersion(w, 3);
        trigger(w, "mnuViewReversedList");
        QCOMPARE(changeTexts(w),
                 (QStringList{"Fixed: zeta", "Added: epsilon", "Release Total Commander 1.0"}));
    }

    // The list shows hits in every result of Find All (a whole word at the start of the Change
    // text too: its blank is before it in the line) and keeps them under a new order; Find Next's
    // only in the line it went to; choosing a release ends them.
    void highlightsFollowTheSearch()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        // The hits of the row of a line; of the "Search Result:" row for no line.
        auto hitsIn = [&w](int line) {
            const auto *model = qobject_cast<const ChangesListModel *>(changesList(w)->model());
            const ListRow row = line < 0 ? ListRow(0) : model->rowOfLine(LineIndex(line));
            QList<int> found;
            for (const HitRange &hit : qobject_cast<HitDelegate *>(changesList(w)->itemDelegate())
                                           ->cellHits(model->index(row.value(), ChangeColumn)))
                found << int(hit.start) << int(hit.length);
            return found;
        };
        w.search().FindAll(QStringLiteral("FIXED:"), SearchIn::Everywhere, true);
        trigger(w, "mnuViewReversedList");
        QCOMPARE(hitsIn(7), (QList<int>{0, 6}));
        QCOMPARE(hitsIn(-1), QList<int>{}); // the "Search Result:" row

        w.search().FindString(QStringLiteral("E"), LineIndex(4), SearchIn::Everywhere, false);
        QCOMPARE(hitsIn(4), (QList<int>{3, 1, 8, 1}));
        QCOMPARE(hitsIn(2), QList<int>{});
        QCOMPARE(wrapPanel(w)->extraSelections().size(), 2);

        clickVersion(w, 2);
        QCOMPARE(w.search().highlight().text, QString());
        QCOMPARE(wrapPanel(w)->extraSelections().size(), 0);
    }
};

QTEST_MAIN(tst_SearchCommands)
#include "tst_SearchCommands.moc"
