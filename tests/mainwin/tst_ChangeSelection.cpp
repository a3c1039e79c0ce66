#include "DataTable.h"
#include "MainWindowFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

class tst_ChangeSelection : public QObject
{
    Q_OBJECT

private slots:
    void copiesSelectedRows_data()
    {
        const auto row = addColumns<QString, bool, QList<int>, QString>(
            {"separateColumns", "changeHeadingFirst", "rows", "expected"});

        row("three columns, Change heading dragged first", "1", true, QList<int>{0, 1, 2},
            "Release Total Commander 3.0\t\t\r\nAdded: alpha tab one\tMonday\t03/03/2003\r\n"
            "Fixed: beta\tMonday\t03/03/2003\r\n");
        row("one column, rows in list order", "0", false, QList<int>{2, 1},
            "03.03.03 Added: alpha tab one\r\n03.03.03 Fixed: beta\r\n");
        row("nothing selected", "1", false, QList<int>{}, "");
    }
    void copiesSelectedRows()
    {
        QFETCH(QString, separateColumns);
        QFETCH(bool, changeHeadingFirst);
        QFETCH(QList<int>, rows);
        MainWindowFixture fixture;
        fixture.writeSetting(KeyDateInSeparateColumns, separateColumns);
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        if (changeHeadingFirst)
            changesList(w)->horizontalHeader()->moveSection(2, 0);
        selectRows(w, rows);
        QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        trigger(w, "mnuContextCopy");
        QTEST(QGuiApplication::clipboard()->text(), "expected");
    }

    // Ctrl+A selects every row and leaves the wrap panel as it was.
    void selectsAndCopiesAThousandRows()
    {
        QStringList history{"Release Total Commander 9.0"};
        QString expected = QStringLiteral("\t\tRelease Total Commander 9.0\r\n");
        for (int i = 0; i < 1000; ++i) {
            history << QStringLiteral("01.02.03 Added: item %1").arg(i);
            expected += QStringLiteral("Saturday\t01/02/2003\tAdded: item %1\r\n").arg(i);
        }
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(history));
        const QString shown = wrapPanel(w)->toPlainText();
        QTest::keyClick(changesList(w), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(wrapPanel(w)->toPlainText(), shown);
        QTest::keyClick(changesList(w), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    }

    void copyKeys_data()
    {
        const auto row = addColumns<int, int, bool>({"key", "modifiers", "copies"});
        row("Ctrl+C", int(Qt::Key_C), int(Qt::ControlModifier), true);
        row("Ctrl+Insert", int(Qt::Key_Insert), int(Qt::ControlModifier), true);
        row("Ctrl+Shift+C", int(Qt::Key_C), int(Qt::ControlModifier | Qt::ShiftModifier), false);
        row("Shift+Insert", int(Qt::Key_Insert), int(Qt::ShiftModifier), false);
    }
    void copyKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, copies);
        MainWindowFixture fixture;
        fixture.writeSetting(KeyDateInSeparateColumns, QStringLiteral("0"));
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        selectRows(w, {1});
        QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        QTest::keyClick(changesList(w), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString(copies ? "03.03.03 Added: alpha tab one\r\n" : "left over"));
    }

    void rightButtonOpensContextMenu()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        auto *menu = child<QMenu>(w, "mnuContext");
        QTest::mouseRelease(changesList(w)->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    void rowShowsLongDateAndHeadingLeavesIt()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        clickVersion(w, 3);
        QTableView *list = changesList(w);
        list->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list, Qt::Key_Down);
        const QString longDate = QLocale::system().toString(QDate(2003, 2, 1), QLocale::LongFormat);
        QCOMPARE(panelText(w, "StatusBar1_Panel2"), longDate);
        QCOMPARE(wrapPanel(w)->toPlainText(), QStringLiteral("01.02.03 Added: epsilon"));
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(wrapPanel(w)->toPlainText(), QStringLiteral("Release Total Commander 1.0"));
        QCOMPARE(panelText(w, "StatusBar1_Panel2"), longDate);
    }

    void goToLine_data()
    {
        const auto row = addColumns<bool, bool, QString, int, int, QString>(
            {"reversed", "wrapPanelVisible", "filter", "line", "release", "wrapText"});

        row("line of the last release", false, true, "", 10, 3, "01.01.01 Fixed: zeta");
        row("reversed list", true, true, "", 9, 3, "01.02.03 Added: epsilon");
        row("fix under the additions filter", false, true, "mnuViewAdditions", 7, 2,
            "02.02.02 Fixed: delta tab");
        row("empty line shows the change before it", false, true, "", 3, 1, "03.03.03 Added: alpha tab one");
        row("line before the first release", false, true, "", 0, 0, "Preface line");
        row("a release's heading", false, true, "", 5, 2, "Release Total Commander 2.0");
        row("wrap panel hidden", false, false, "", 6, 2, "02.02.02 Added: gamma");
    }
    void goToLine()
    {
        QFETCH(bool, reversed);
        QFETCH(bool, wrapPanelVisible);
        QFETCH(QString, filter);
        QFETCH(int, line);
        QFETCH(QString, wrapText);
        MainWindowFixture fixture;
        fixture.writeSetting(KeyReversedList, flag(reversed));
        fixture.writeSetting(KeyWrapPanelVisible, flag(wrapPanelVisible));
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        if (!filter.isEmpty())
            trigger(w, filter);

        w.GoToLine(LineIndex(line));

        QTEST(markedVersion(w), "release");
        QCOMPARE(wrapPanel(w)->toPlainText(), wrapText);
        QCOMPARE(changesList(w)->selectionModel()->selectedRows().size(), 1);
        // A dated line shows its change without the date.
        QCOMPARE(currentChangeText(w), wrapText.front().isDigit() ? wrapText.mid(9) : wrapText);
        QCOMPARE(action(w, "mnuViewAllChanges")->isChecked(), true);
        QCOMPARE(action(w, "mnuViewWrapPanel")->isChecked(), true);
    }
};

QTEST_MAIN(tst_ChangeSelection)
#include "tst_ChangeSelection.moc"
