#include "MainWindowFixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QToolBar>

namespace {
// Headings in the order the user sees them, each with its width in pixels.
QStringList shownColumns(frmMain &w)
{
    const QHeaderView *header = changesList(w)->horizontalHeader();
    QStringList columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        columns << QStringLiteral("%1 %2")
                       .arg(changesList(w)->model()->headerData(logical, Qt::Horizontal).toString())
                       .arg(header->sectionSize(logical));
    }
    return columns;
}

// "1" or "0" for each named action, in order.
QString checkedStates(frmMain &w, const QStringList &names)
{
    QString text;
    for (const QString &name : names)
        text += action(w, name.toLatin1().constData())->isChecked() ? u'1' : u'0';
    return text;
}

void clickToolbarButton(frmMain &w, const QString &key)
{
    const QString name = QStringLiteral("Toolbar1_") + key;
    QWidget *button = child<QToolBar>(w, "Toolbar1")->widgetForAction(action(w, name.toLatin1().constData()));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

// The toolbar from left to right: button keys, "(hidden)" after a hidden one, "|" for a separator,
// "gap N" for an empty gap of N pixels.
QStringList toolbarContents(frmMain &w)
{
    QToolBar *toolbar = child<QToolBar>(w, "Toolbar1");
    QStringList contents;
    for (QAction *action : toolbar->actions()) {
        if (action->isSeparator())
            contents << QStringLiteral("|");
        else if (action->objectName().startsWith(QLatin1String("Toolbar1_")))
            contents << action->objectName().mid(9) + (action->isVisible() ? "" : "(hidden)");
        else if (QWidget *gap = toolbar->widgetForAction(action))
            contents << QStringLiteral("gap %1").arg(gap->width());
    }
    return contents;
}
} // namespace

class tst_ChangesView : public QObject
{
    Q_OBJECT

private slots:
    void columnsFromSettings_data()
    {
        QTest::addColumn<QString>("separate");
        QTest::addColumn<QString>("sizes");
        QTest::addColumn<QString>("positions");
        QTest::addColumn<QStringList>("columns");
        const auto row = [](const char *name, QString separate, QString sizes, QString positions,
                            QStringList columns) {
            QTest::newRow(name) << separate << sizes << positions << columns;
        };

        row("separate columns by default", "", "", "", {"Day 100", "Date 100", "Change 800"});
        row("stored widths and order", "1", "3000,2250,9000", "3,1,2", {"Date 150", "Change 600", "Day 200"});
        row("order that is no permutation is ignored", "1", "3000,2250,9000", "1,1,2",
            {"Day 200", "Date 150", "Change 600"});
        row("single column", "0", "6000", "", {"Change 400"});
    }
    void columnsFromSettings()
    {
        QFETCH(QString, separate);
        QFETCH(QString, sizes);
        QFETCH(QString, positions);
        MainWindowFixture fixture;
        if (!separate.isEmpty())
            fixture.writeSetting(QStringLiteral("DateInSeparateColumns"), separate);
        if (!sizes.isEmpty())
            fixture.writeSetting(separate == "0" ? "ColumnHeadersSize" : "ColumnHeadersSize3", sizes);
        if (!positions.isEmpty())
            fixture.writeSetting(QStringLiteral("ColumnHeadersPosition3"), positions);
        QTEST(shownColumns(fixture.start(fixture.writeHistory(sampleHistory()))), "columns");
    }

    void columnLayoutWrittenAtExit_data()
    {
        QTest::addColumn<bool>("single");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QStringList>("stored");

        QTest::newRow("separate columns moved and resized")
            << false << QStringList{"Change 800", "Day 150", "Date 100"}
            << QStringList{"2250,1500,12000", "2,3,1"};
        QTest::newRow("single column resized") << true << QStringList{"Change 150"} << QStringList{"2250"};
    }
    void columnLayoutWrittenAtExit()
    {
        QFETCH(bool, single);
        MainWindowFixture fixture;
        fixture.writeSetting(QStringLiteral("DateInSeparateColumns"), single ? "0" : "1");
        const QString file = fixture.writeHistory(sampleHistory());
        QHeaderView *header = changesList(fixture.start(file))->horizontalHeader();
        header->resizeSection(0, 150);
        if (!single)
            header->moveSection(2, 0);
        fixture.close();
        QStringList written{fixture.readSetting(single ? "ColumnHeadersSize" : "ColumnHeadersSize3")};
        if (!single)
            written << fixture.readSetting(QStringLiteral("ColumnHeadersPosition3"));
        QTEST(written, "stored");
        QTEST(shownColumns(fixture.start(file)), "columns");
    }

    void untouchedColumnsKeepStoredWidths_data()
    {
        QTest::addColumn<QString>("separate");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored"); // empty: not in the file
        QTest::addColumn<QString>("written");
        const auto row = [](const char *name, QString separate, QString key, QString stored,
                            QString written) { QTest::newRow(name) << separate << key << stored << written; };

        // Widths that are no whole number of pixels.
        row("separate columns", "1", "ColumnHeadersSize3", "1510,1500,12007", "1510,1500,12007");
        row("single column", "0", "ColumnHeadersSize", "15001", "15001");
        row("releases list default", "1", "ColumnHeadersSize2", "", "4400");
        row("releases list stored", "1", "ColumnHeadersSize2", "3007", "3007");
    }
    void untouchedColumnsKeepStoredWidths()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        MainWindowFixture fixture;
        QFETCH(QString, separate);
        fixture.writeSetting(QStringLiteral("DateInSeparateColumns"), separate);
        if (!stored.isEmpty())
            fixture.writeSetting(key, stored);
        fixture.start(fixture.writeHistory(sampleHistory()));
        fixture.close();
        QTEST(fixture.readSetting(key), "written");
    }

    // "menu:NAME" triggers a command, "button:KEY" clicks a toolbar button.
    void viewCommandsListRowsAndCheckMenuAndButtons_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("lines");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("checked"); // All Changes, Additions, Fixes, Reversed List
        const auto row = [](const char *name, QStringList steps, QList<int> lines, QString current,
                            QString status, QString checked) {
            QTest::newRow(name) << steps << lines << current << status << checked;
        };

        const QList<int> all{1, 2, 4};
        const QString added = QStringLiteral("Added: alpha tab one"), fixed = QStringLiteral("Fixed: beta");
        const QString both = QStringLiteral("1 Additions, 1 Fixes");
        row("at start", {}, all, added, both, "1000");
        row("button c", {"button:c"}, {1, 2}, added, "1 Additions", "0100");
        row("button d after c", {"button:c", "button:d"}, {1, 4}, fixed, "1 Fixes", "0010");
        row("button b after d", {"button:d", "button:b"}, all, added, both, "1000");
        row("menu Fixes", {"menu:mnuViewFixes"}, {1, 4}, fixed, "1 Fixes", "0010");
        row("button g", {"button:g"}, {4, 2, 1}, fixed, both, "1001");
        row("button g twice", {"button:g", "button:g"}, all, added, both, "1000");
        row("menu Reversed List", {"menu:mnuViewReversedList"}, {4, 2, 1}, fixed, both, "1001");
    }
    void viewCommandsListRowsAndCheckMenuAndButtons()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, checked);
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        for (const QString &step : steps) {
            if (step.startsWith(QLatin1String("menu:")))
                trigger(w, step.mid(5));
            else
                clickToolbarButton(w, step.mid(7));
        }
        QTEST(shownLines(w), "lines");
        QTEST(currentChangeText(w), "current");
        QTEST(panelText(w, "StatusBar1_Panel1"), "status");
        QCOMPARE(checkedStates(
                     w, {"mnuViewAllChanges", "mnuViewAdditions", "mnuViewFixes", "mnuViewReversedList"}),
                 checked);
        QCOMPARE(checkedStates(w, {"Toolbar1_b", "Toolbar1_c", "Toolbar1_d", "Toolbar1_g"}), checked);
    }

    void toolbarLayoutFromSettings_data()
    {
        QTest::addColumn<QString>("buttons"); // ToolbarButtons, taken with DefaultToolbar 0
        QTest::addColumn<QStringList>("contents");
        QTest::newRow("built-in") << "" << QStringList{"a", "|", "b", "c", "d", "|", "g", "|", "f", "|", "e"};
        QTest::newRow("ToolbarButtons") << "c,2,2,104,1|-,300,-,-,1|g,1,7,122,0|-,-,-,-,1|a,0,1,102,1"
                                        << QStringList{"c", "gap 20", "g(hidden)", "|", "a"};
    }
    void toolbarLayoutFromSettings()
    {
        QFETCH(QString, buttons);
        MainWindowFixture fixture;
        if (!buttons.isEmpty()) {
            fixture.writeSetting(QStringLiteral("DefaultToolbar"), QStringLiteral("0"));
            fixture.writeSetting(QStringLiteral("ToolbarButtons"), buttons);
        }
        QTEST(toolbarContents(fixture.start(fixture.writeHistory(sampleHistory()))), "contents");
    }

    void toolbarTooltipsAreMenuCaptions()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QStringList tooltips;
        for (const char *key : {"a", "b", "c", "d", "g", "f", "e"})
            tooltips << action(w, QByteArray("Toolbar1_").append(key).constData())->toolTip();
        QCOMPARE(tooltips, (QStringList{"Open", "All Changes", "Additions", "Fixes", "Reversed List", "Find",
                                        "Options"}));
    }

    void toolbarRightClick_data()
    {
        QTest::addColumn<QString>("ignore"); // ToolbarIgnoreRightClick
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("offers the view commands")
            << "0" << QStringList{"mnuViewToolbar", "mnuViewStatusBar", "mnuViewWrapPanel"};
        QTest::newRow("ignored when set") << "1" << QStringList{};
    }
    void toolbarRightClick()
    {
        QFETCH(QString, ignore);
        MainWindowFixture fixture;
        fixture.writeSetting(QStringLiteral("ToolbarIgnoreRightClick"), ignore);
        QToolBar *toolbar = child<QToolBar>(fixture.start(fixture.writeHistory(sampleHistory())), "Toolbar1");
        const QPoint position(toolbar->width() - 5, toolbar->height() / 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position, toolbar->mapToGlobal(position));
        QApplication::sendEvent(toolbar, &event);
        QStringList offered;
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                offered << action->objectName();
            menu->close();
        }
        QTEST(offered, "offered");
    }
};

QTEST_MAIN(tst_ChangesView)
#include "tst_ChangesView.moc"
