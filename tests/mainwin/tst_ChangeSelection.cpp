#include "DataTable.h"
#include "MainWindowFixture.h"
#include "history/ShownText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

class tst_ChangeSelection : public QObject
{
    Q_OBJECT

private slots:
    // The context menu's Copy (no key) or a key copies the selected rows, or leaves the clipboard.
    void copiesSelectedRows_data()
    {
        const auto row = addColumns<QString, bool, QList<int>, int, int, QString>(
            {"separateColumns", "changeHeadingFirst", "rows", "key", "modifiers", "expected"});
        const int ctrl = Qt::ControlModifier;
        const QString added = QStringLiteral("03.03.03 Added: alpha tab one\r\n");
        row("three columns, Change heading dragged first", "1", true, {0, 1, 2}, 0, 0,
            "Release Total Commander 3.0\t\t\r\nAdded: alpha tab one\tMonday\t03/03/2003\r\n"
            "Fixed: beta\tMonday\t03/03/2003\r\n");
        row("one column, rows in list order", "0", false, {2, 1}, 0, 0, added + "03.03.03 Fixed: beta\r\n");
        row("nothing selected", "1", false, {}, 0, 0, "");
        row("Ctrl+C", "0", false, {1}, Qt::Key_C, ctrl, added);
        row("Ctrl+Insert", "0", false, {1}, Qt::Key_Insert, ctrl, added);
        row("Ctrl+Shift+C copies nothing", "0", false, {1}, Qt::Key_C, ctrl | Qt::ShiftModifier, "left over");
        row("Shift+Insert copies nothing", "0", false, {1}, Qt::Key_Insert, int(Qt::ShiftModifier),
            "left over");
    }
    void copiesSelectedRows()
    {
        auto [separateColumns, changeHeadingFirst, rows, key, modifiers] =
            fetch<QString, bool, QList<int>, int, int>(
                {"separateColumns", "changeHeadingFirst", "rows", "key", "modifiers"});
        MainWindowFixture fixture;
        fixture.writeSetting(KeyDateInSeparateColumns, separateColumns);
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        if (changeHeadingFirst)
            changesList(w)->horizontalHeader()->moveSection(2, 0);
        selectRows(w, rows);
        QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
        if (key)
            QTest::keyClick(changesList(w), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else { // from the menu the right button opens
            QTest::mouseRelease(changesList(w)->viewport(), Qt::RightButton, {}, QPoint(5, 5));
            QTRY_VERIFY(child<QMenu>(w, "mnuContext")->isVisible());
            trigger(w, "mnuContextCopy");
        }
        QTEST(QGuiApplication::clipboard()->text(), "expected");
    }

    // Ctrl+A selects every row and leaves the wrap panel as it was.
    void selectsAndCopiesEveryRow()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        const QString shown = wrapPanel(w)->toPlainText();
        QTest::keyClick(changesList(w), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(wrapPanel(w)->toPlainText(), shown);
        QTest::keyClick(changesList(w), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 "\t\tRelease Total Commander 3.0\r\nMonday\t03/03/2003\tAdded: alpha tab one\r\n"
                 "Monday\t03/03/2003\tFixed: beta\r\n");
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

    // The date panel tells the date of the row shown, and nothing on a row without one.
    void rowShowsLongDateAndHeadingClearsIt()
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
        QCOMPARE(panelText(w, "StatusBar1_Panel2"), QString());
    }

    // "All" stays the current item while its rows are chosen; a release clicked then takes the mark,
    // whatever the list's font (a bold one cannot mark by bold alone).
    void clickedItemStaysCurrent_data()
    {
        const auto row = addColumns<QString>({"fontStyle"});
        row("regular font", "0");
        row("bold font", "1");
        row("bold italic font", "3");
    }
    void clickedItemStaysCurrent()
    {
        QFETCH(QString, fontStyle);
        MainWindowFixture fixture;
        fixture.writeSetting(KeyFontStyle, fontStyle);
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QCOMPARE(markedVersion(w), 1);
        clickVersion(w, 0);
        QCOMPARE(markedVersion(w), 0);
        QTest::keyClick(changesList(w), Qt::Key_End);
        QCOMPARE(currentChangeText(w), QStringLiteral("Fixed: zeta"));
        QCOMPARE(markedVersion(w), 0);
        clickVersion(w, 2);
        QCOMPARE(markedVersion(w), 2);
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
        row("line before the first release, reversed", true, true, "", 0, 0, "Preface line");
        row("a release's heading", false, true, "", 5, 2, "Release Total Commander 2.0");
        row("wrap panel hidden", false, false, "", 6, 2, "02.02.02 Added: gamma");
    }
    void goToLine()
    {
        auto [reversed, wrapPanelVisible, filter, line, wrapText] = fetch<bool, bool, QString, int, QString>(
            {"reversed", "wrapPanelVisible", "filter", "line", "wrapText"});
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
        QCOMPARE(panelText(w, "StatusBar1_Panel2").isEmpty(), !wrapText.front().isDigit());
        QCOMPARE(action(w, "mnuViewAllChanges")->isChecked(), true);
        QCOMPARE(action(w, "mnuViewWrapPanel")->isChecked(), true);
    }
};

QTEST_MAIN(tst_ChangeSelection)
#include "tst_ChangeSelection.moc"
