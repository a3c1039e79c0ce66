#include "DataTable.h"
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

// The toolbar from left to right: each button's key and tooltip, "(hidden)" after a hidden one, "|"
// for a separator, "gap N" for an empty gap of N pixels.
QStringList toolbarContents(frmMain &w)
{
    QToolBar *toolbar = child<QToolBar>(w, "Toolbar1");
    QStringList contents;
    for (QAction *action : toolbar->actions()) {
        if (action->isSeparator())
            contents << QStringLiteral("|");
        else if (action->objectName().startsWith(QLatin1String("Toolbar1_")))
            contents << action->objectName().mid(9) + u' ' + action->toolTip() +
                            (action->isVisible() ? "" : " (hidden)");
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
    // The columns, the toolbar and what a right click on the toolbar offers, as the settings say.
    void windowFromSettings_data()
    {
        const auto row = addColumns<QStringList, QStringList, QStringList, QStringList>(
            {"settings", "columns", "toolbar", "offered"});
        const QString sizes = QStringLiteral("ColumnHeadersSize3=3000,2250,9000");
        const QStringList builtIn{"a Open",          "|", "b All Changes", "c Additions", "d Fixes",  "|",
                                  "g Reversed List", "|", "f Find",        "|",           "e Options"};
        const QStringList viewCommands{"mnuViewToolbar", "mnuViewStatusBar", "mnuViewWrapPanel"};
        row("built-in", {}, {"Day 100", "Date 100", "Change 800"}, builtIn, viewCommands);
        row("stored widths, order, toolbar, right click ignored",
            {sizes, "ColumnHeadersPosition3=3,1,2", "DefaultToolbar=0",
             "ToolbarButtons=c,2,2,104,1|-,300,-,-,1|g,1,7,122,0|-,-,-,-,1|a,0,1,102,1",
             "ToolbarIgnoreRightClick=1"},
            {"Date 150", "Change 600", "Day 200"},
            {"c Additions", "gap 20", "g Reversed List (hidden)", "|", "a Open"}, {});
        row("order that is no permutation is ignored", {sizes, "ColumnHeadersPosition3=1,1,2"},
            {"Day 200", "Date 150", "Change 600"}, builtIn, viewCommands);
        row("single column", {"DateInSeparateColumns=0", "ColumnHeadersSize=6000"}, {"Change 400"}, builtIn,
            viewCommands);
    }
    void windowFromSettings()
    {
        QFETCH(QStringList, settings);
        MainWindowFixture fixture;
        fixture.writeSettings(settings);
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QTEST(shownColumns(w), "columns");
        QTEST(toolbarContents(w), "toolbar");

        QToolBar *toolbar = child<QToolBar>(w, "Toolbar1");
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

    // What the View menu switched and the columns' widths and order are what the next start shows;
    // widths that are no whole number of pixels are written back unchanged when untouched.
    void layoutWrittenAtClose_data()
    {
        // done: "columns" the first column made 150 pixels wide and the last moved first, "view menu"
        // each of its switches used once
        const auto row = addColumns<QStringList, QString, QStringList>({"settings", "done", "written"});

        const QString single = QStringLiteral("DateInSeparateColumns=0");
        row("separate columns moved and resized", {}, "columns",
            {"ColumnHeadersSize3=2250,1500,12000", "ColumnHeadersPosition3=2,3,1"});
        row("single column resized", {single}, "columns", {"ColumnHeadersSize=2250"});
        row("untouched separate columns", {"ColumnHeadersSize3=1510,1500,12007"}, "",
            {"ColumnHeadersSize3=1510,1500,12007"});
        row("releases list default", {}, "", {"ColumnHeadersSize2=4400"});
        row("releases list stored", {"ColumnHeadersSize2=3007"}, "", {"ColumnHeadersSize2=3007"});
        row("view menu switches", {}, "view menu",
            {"ToolbarVisible=0", "StatusBarVisible=0", "WrapPanelVisible=0", "ReversedList=1"});
    }
    void layoutWrittenAtClose()
    {
        auto [settings, done, written] =
            fetch<QStringList, QString, QStringList>({"settings", "done", "written"});
        MainWindowFixture fixture;
        fixture.writeSettings(settings);
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QHeaderView *header = changesList(w)->horizontalHeader();
        if (done == "columns") {
            header->resizeSection(0, 150);
            header->moveSection(header->count() - 1, 0);
        }
        if (done == "view menu") {
            for (const char *name :
                 {"mnuViewToolbar", "mnuViewStatusBar", "mnuViewWrapPanel", "mnuViewReversedList"})
                trigger(w, name);
        }
        fixture.close();
        QStringList stored;
        for (const QString &pair : written)
            stored << pair.section(u'=', 0, 0) + u'=' + fixture.readSetting(pair.section(u'=', 0, 0));
        QCOMPARE(stored, written);
    }

    void viewCommandsListRowsAndCheckMenuAndButtons_data()
    {
        // clicked: the toolbar buttons clicked, in order; checked: All Changes, Additions, Fixes,
        // Reversed List
        const auto row = addColumns<QString, QList<int>, QString, QString, QString>(
            {"clicked", "lines", "current", "status", "checked"});

        const QList<int> all{1, 2, 4};
        const QString added = QStringLiteral("Added: alpha tab one"), fixed = QStringLiteral("Fixed: beta");
        const QString both = QStringLiteral("1 Additions, 1 Fixes");
        row("button c", "c", {1, 2}, added, "1 Additions", "0100");
        row("button d after c", "cd", {1, 4}, fixed, "1 Fixes", "0010");
        row("button b after d", "db", all, added, both, "1000");
        row("button g", "g", {4, 2, 1}, fixed, both, "1001");
        row("button g twice", "gg", all, added, both, "1000");
    }
    void viewCommandsListRowsAndCheckMenuAndButtons()
    {
        auto [clicked, checked] = fetch<QString, QString>({"clicked", "checked"});
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        for (const QChar key : clicked)
            clickToolbarButton(w, key);
        QTEST(shownLines(w), "lines");
        QTEST(currentChangeText(w), "current");
        QTEST(panelText(w, "StatusBar1_Panel1"), "status");
        QCOMPARE(checkedStates(
                     w, {"mnuViewAllChanges", "mnuViewAdditions", "mnuViewFixes", "mnuViewReversedList"}),
                 checked);
        QCOMPARE(checkedStates(w, {"Toolbar1_b", "Toolbar1_c", "Toolbar1_d", "Toolbar1_g"}), checked);
    }
};

QTEST_MAIN(tst_ChangesView)
#include "tst_ChangesView.moc"
