#include "MainWindowFixture.h"
#include "history/ShownText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

class tst_ChangeSelection : public QObject
{
    Q_OBJECT

private slots:
    void copiesSelectedRows_data()
    {
        QTest::addColumn<QString>("separateColumns");
        QTest::addColumn<bool>("changeHeadingFirst");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("expected");

        QTest::newRow("three columns, Change heading dragged first")
            << "1" << true << QList<int>{0, 1, 2}
            << "Release Total Commander 3.0\t\t\r\nAdded: alpha tab one\tMonday\t03/03/2003\r\n"
               "Fixed: beta\tMonday\t03/03/2003\r\n";
        QTest::newRow("one column, rows in list order")
            << "0" << false << QList<int>{2, 1}
            << "03.03.03 Added: alpha tab one\r\n03.03.03 Fixed: beta\r\n";
        QTest::newRow("nothing selected") << "1" << false << QList<int>{} << "";
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

    // A line too long to lay out is shown cut with its length, and copied whole.
    void longLineIsShownCutAndCopiedWhole()
    {
        const QString change = "Added: " + QString(70000, QChar(0xe9));
        MainWindowFixture fixture;
        fixture.writeSetting(KeyDateInSeparateColumns, "0");
        frmMain &w =
            fixture.start(fixture.writeHistory({"Release Total Commander 9.0", "01.02.03 " + change}));
        QCOMPARE(wrapPanel(w)->toPlainText(),
                 "01.02.03 " + change.first(ShownCharacters - 9) +
                     QStringLiteral(" \u2026 [the line goes on; it has 70016 characters]"));
        QTest::keyClick(changesList(w), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "01.02.03 " + change + "\r\n");
    }

    void copyKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("copies");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Shift+C")
            << int(Qt::Key_C) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << false;
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

    void rowMarksReleaseOfLine_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("release");
        QTest::newRow("line before the first release keeps All") << 0 << 0;
        QTest::newRow("a release's heading line") << 5 << 2;
        QTest::newRow("the line before the next heading") << 4 << 1;
        QTest::newRow("the last release's heading") << 8 << 3;
        QTest::newRow("the last line") << 10 << 3;
    }
    void rowMarksReleaseOfLine()
    {
        QFETCH(int, line);
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        clickVersion(w, 0);
        changesList(w)->setCurrentIndex(changesList(w)->model()->index(line, 0)); // "All": a row per line
        QTEST(markedVersion(w), "release");
    }

    void goToLine_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<bool>("wrapPanelVisible");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("release");
        QTest::addColumn<QString>("wrapText");

        QTest::newRow("line of the last release") << false << true << "" << 10 << 3 << "01.01.01 Fixed: zeta";
        QTest::newRow("reversed list") << true << true << "" << 9 << 3 << "01.02.03 Added: epsilon";
        QTest::newRow("fix under the additions filter")
            << false << true << "mnuViewAdditions" << 7 << 2 << "02.02.02 Fixed: delta tab";
        QTest::newRow("empty line shows the change before it")
            << false << true << "" << 3 << 1 << "03.03.03 Added: alpha tab one";
        QTest::newRow("line before the first release") << false << true << "" << 0 << 0 << "Preface line";
        QTest::newRow("wrap panel hidden") << false << false << "" << 6 << 2 << "02.02.02 Added: gamma";
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
        QCOMPARE(currentChangeText(w), line == 0 ? wrapText : wrapText.mid(9));
        QCOMPARE(action(w, "mnuViewAllChanges")->isChecked(), true);
        QCOMPARE(action(w, "mnuViewWrapPanel")->isChecked(), true);
    }
};

QTEST_MAIN(tst_ChangeSelection)
#include "tst_ChangeSelection.moc"
