#include "MainWindowFixture.h"

#include "history/ChangesListModel.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QTableView>

namespace {
const QStringList History{"Release Total Commander 2.0", "02.02.02 Added: b1",          "02.02.02 Fixed: f1",
                          "02.02.02 Added: b2",          "Release Total Commander 1.0", "01.01.01 Fixed: a"};

// Headings in the order the user sees them, each with its width in pixels.
QStringList shownColumns(const QTableView *list)
{
    const QHeaderView *header = list->horizontalHeader();
    QStringList columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        columns << QStringLiteral("%1 %2")
                       .arg(list->model()->headerData(logical, Qt::Horizontal).toString())
                       .arg(header->sectionSize(logical));
    }
    return columns;
}

QList<int> shownLines(const QTableView *list)
{
    const auto *model = qobject_cast<const ChangesListModel *>(list->model());
    QList<int> lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->lineOfRow(row);
    return lines;
}

QList<int> selectedRows(const QTableView *list)
{
    QList<int> rows;
    for (const QModelIndex &index : list->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

// "1" or "0" for each, in order: checked menu commands, or pressed toolbar buttons.
QString states(const MainWindowFixture &fixture, const QStringList &names)
{
    QString text;
    for (const QString &name : names)
        text += fixture.child<QAction>(name)->isChecked() ? u'1' : u'0';
    return text;
}

void clickToolbarButton(const MainWindowFixture &fixture, const QString &key)
{
    auto *toolbar = fixture.child<QToolBar>(QStringLiteral("Toolbar1"));
    QWidget *button = toolbar->widgetForAction(fixture.child<QAction>(QStringLiteral("Toolbar1_") + key));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

class tst_ChangesView : public QObject
{
    Q_OBJECT

private slots:
    void columnsFromSettings_data();
    void columnsFromSettings();
    void columnLayoutWrittenAtExit_data();
    void columnLayoutWrittenAtExit();
    void untouchedColumnsKeepStoredWidths_data();
    void untouchedColumnsKeepStoredWidths();
    void additionsButtonKeepsHeaderRow();
    void reversedButtonPutsHeaderAtBottom();
    void menuAndToolbarStayInStep_data();
    void menuAndToolbarStayInStep();
};

void tst_ChangesView::columnsFromSettings_data()
{
    QTest::addColumn<QString>("separate");
    QTest::addColumn<QString>("sizes");
    QTest::addColumn<QString>("positions");
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("separate columns by default")
        << QString() << QString() << QString() << QStringList{"Day 100", "Date 100", "Change 800"};
    QTest::newRow("stored widths and order") << "1"
                                             << "3000,2250,9000"
                                             << "3,1,2" << QStringList{"Date 150", "Change 600", "Day 200"};
    QTest::newRow("order that is no permutation is ignored")
        << "1"
        << "3000,2250,9000"
        << "1,1,2" << QStringList{"Day 200", "Date 150", "Change 600"};
    QTest::newRow("single column") << "0"
                                   << "6000" << QString() << QStringList{"Change 400"};
}

void tst_ChangesView::columnsFromSettings()
{
    QFETCH(QString, separate);
    QFETCH(QString, sizes);
    QFETCH(QString, positions);
    QFETCH(QStringList, columns);
    MainWindowFixture fixture;
    if (!separate.isEmpty())
        fixture.writeSetting(QStringLiteral("DateInSeparateColumns"), separate);
    const bool single = separate == QLatin1String("0");
    if (!sizes.isEmpty())
        fixture.writeSetting(
            single ? QStringLiteral("ColumnHeadersSize") : QStringLiteral("ColumnHeadersSize3"), sizes);
    if (!positions.isEmpty())
        fixture.writeSetting(QStringLiteral("ColumnHeadersPosition3"), positions);
    fixture.start(fixture.writeHistory(History));
    QCOMPARE(shownColumns(fixture.child<QTableView>(QStringLiteral("lvChangesList"))), columns);
}

void tst_ChangesView::columnLayoutWrittenAtExit_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QStringList>("stored");

    QTest::newRow("separate columns moved and resized")
        << false << QStringList{"Change 800", "Day 150", "Date 100"}
        << QStringList{"2250,1500,12000", "2,3,1"};
    QTest::newRow("single column resized") << true << QStringList{"Change 150"} << QStringList{"2250"};
}

void tst_ChangesView::columnLayoutWrittenAtExit()
{
    QFETCH(bool, single);
    QFETCH(QStringList, columns);
    QFETCH(QStringList, stored);
    MainWindowFixture fixture;
    fixture.writeSetting(QStringLiteral("DateInSeparateColumns"),
                         single ? QStringLiteral("0") : QStringLiteral("1"));
    const QString file = fixture.writeHistory(History);
    fixture.start(file);
    QHeaderView *header = fixture.child<QTableView>(QStringLiteral("lvChangesList"))->horizontalHeader();
    header->resizeSection(0, 150);
    if (!single)
        header->moveSection(2, 0);
    fixture.close();

    const QStringList keys = single ? QStringList{"ColumnHeadersSize"}
                                    : QStringList{"ColumnHeadersSize3", "ColumnHeadersPosition3"};
    QStringList written;
    for (const QString &key : keys)
        written << fixture.readSetting(key);
    QCOMPARE(written, stored);

    fixture.start(file);
    QCOMPARE(shownColumns(fixture.child<QTableView>(QStringLiteral("lvChangesList"))), columns);
}

void tst_ChangesView::untouchedColumnsKeepStoredWidths_data()
{
    QTest::addColumn<QString>("separate");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored"); // empty: not in the file
    QTest::addColumn<QString>("written");

    // Widths that are no whole number of pixels.
    QTest::newRow("separate columns") << "1"
                                      << "ColumnHeadersSize3"
                                      << "1510,1500,12007"
                                      << "1510,1500,12007";
    QTest::newRow("single column") << "0"
                                   << "ColumnHeadersSize"
                                   << "15001"
                                   << "15001";
    QTest::newRow("releases list default") << "1"
                                           << "ColumnHeadersSize2"
                                           << ""
                                           << "4400";
    QTest::newRow("releases list stored") << "1"
                                          << "ColumnHeadersSize2"
                                          << "3007"
                                          << "3007";
}

void tst_ChangesView::untouchedColumnsKeepStoredWidths()
{
    QFETCH(QString, separate);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, written);
    MainWindowFixture fixture;
    fixture.writeSetting(QStringLiteral("DateInSeparateColumns"), separate);
    if (!stored.isEmpty())
        fixture.writeSetting(key, stored);
    fixture.start(fixture.writeHistory(History));
    fixture.close();
    QCOMPARE(fixture.readSetting(key), written);
}

void tst_ChangesView::additionsButtonKeepsHeaderRow()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    auto *list = fixture.child<QTableView>(QStringLiteral("lvChangesList"));
    auto *status = fixture.child<QLabel>(QStringLiteral("StatusBar1_Panel1"));
    QCOMPARE(status->text(), QStringLiteral("2 Additions, 1 Fixes"));

    clickToolbarButton(fixture, QStringLiteral("c"));
    QCOMPARE(shownLines(list), (QList<int>{0, 1, 3}));
    const QModelIndex header = list->model()->index(0, 0);
    QVERIFY(list->model()->data(header, Qt::FontRole).value<QFont>().bold());
    QCOMPARE(selectedRows(list), QList<int>{1});
    QCOMPARE(status->text(), QStringLiteral("2 Additions"));

    clickToolbarButton(fixture, QStringLiteral("d"));
    QCOMPARE(shownLines(list), (QList<int>{0, 2}));
    QCOMPARE(status->text(), QStringLiteral("1 Fixes"));
}

void tst_ChangesView::reversedButtonPutsHeaderAtBottom()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    auto *list = fixture.child<QTableView>(QStringLiteral("lvChangesList"));
    clickToolbarButton(fixture, QStringLiteral("g"));
    QCOMPARE(shownLines(list), (QList<int>{3, 2, 1, 0}));
    QVERIFY(list->model()->data(list->model()->index(3, 0), Qt::FontRole).value<QFont>().bold());
    QCOMPARE(selectedRows(list), QList<int>{0});
    QCOMPARE(fixture.child<QPlainTextEdit>(QStringLiteral("Text1"))->toPlainText(),
             QStringLiteral("02.02.02 Added: b2"));
}

void tst_ChangesView::menuAndToolbarStayInStep_data()
{
    QTest::addColumn<QStringList>("steps"); // "menu:NAME" triggers a command, "button:KEY" clicks a button
    QTest::addColumn<QString>("checked");   // All Changes, Additions, Fixes, Reversed List

    QTest::newRow("at start") << QStringList{} << "1000";
    QTest::newRow("button c") << QStringList{"button:c"} << "0100";
    QTest::newRow("button d after c") << QStringList{"button:c", "button:d"} << "0010";
    QTest::newRow("button b after d") << QStringList{"button:d", "button:b"} << "1000";
    QTest::newRow("menu Additions") << QStringList{"menu:mnuViewAdditions"} << "0100";
    QTest::newRow("menu Fixes") << QStringList{"menu:mnuViewFixes"} << "0010";
    QTest::newRow("button g") << QStringList{"button:g"} << "1001";
    QTest::newRow("button g twice") << QStringList{"button:g", "button:g"} << "1000";
    QTest::newRow("menu Reversed List") << QStringList{"menu:mnuViewReversedList"} << "1001";
}

void tst_ChangesView::menuAndToolbarStayInStep()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, checked);
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    for (const QString &step : steps) {
        const QString name = step.section(u':', 1);
        if (step.startsWith(QLatin1String("menu:")))
            fixture.child<QAction>(name)->trigger();
        else
            clickToolbarButton(fixture, name);
    }
    QCOMPARE(
        states(fixture, {"mnuViewAllChanges", "mnuViewAdditions", "mnuViewFixes", "mnuViewReversedList"}),
        checked);
    QCOMPARE(states(fixture, {"Toolbar1_b", "Toolbar1_c", "Toolbar1_d", "Toolbar1_g"}), checked);
}

QTEST_MAIN(tst_ChangesView)
#include "tst_ChangesView.moc"
