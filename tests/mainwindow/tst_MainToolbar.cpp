#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace {
const QStringList History{"Release Total Commander 1.0", "01.01.01 Fixed: a"};
const QString Custom = QStringLiteral("c,2,2,104,1|-,300,-,-,1|g,1,7,122,0|-,-,-,-,1|a,0,1,102,1");
const QStringList BuiltIn{"a", "|", "b", "c", "d", "|", "g", "|", "f", "|", "e"};

// The toolbar from left to right: button keys, "(hidden)" after a hidden one, "|" for a separator,
// "gap N" for an empty gap of N pixels.
QStringList toolbarContents(const QToolBar *toolbar)
{
    QStringList contents;
    for (QAction *action : toolbar->actions()) {
        if (action->isSeparator())
            contents << QStringLiteral("|");
        else if (action->objectName().startsWith(QLatin1String("Toolbar1_")))
            contents << action->objectName().mid(9) +
                            (action->isVisible() ? QString() : QStringLiteral("(hidden)"));
        else if (QWidget *gap = toolbar->widgetForAction(action))
            contents << QStringLiteral("gap %1").arg(gap->width());
    }
    return contents;
}

void rightClick(QToolBar *toolbar)
{
    const QPoint position(toolbar->width() - 5, toolbar->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, position, toolbar->mapToGlobal(position));
    QApplication::sendEvent(toolbar, &event);
}
} // namespace

class tst_MainToolbar : public QObject
{
    Q_OBJECT

private slots:
    void layoutFromSettings_data();
    void layoutFromSettings();
    void tooltipsAreMenuCaptions();
    void rightClickOffersViewCommands();
    void rightClickIgnoredWhenSet();
};

void tst_MainToolbar::layoutFromSettings_data()
{
    QTest::addColumn<QString>("defaultToolbar");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<QStringList>("contents");

    QTest::newRow("built-in without settings") << QString() << QString() << BuiltIn;
    QTest::newRow("DefaultToolbar 1 ignores ToolbarButtons") << "1" << Custom << BuiltIn;
    QTest::newRow("DefaultToolbar 0 takes ToolbarButtons")
        << "0" << Custom << QStringList{"c", "gap 20", "g(hidden)", "|", "a"};
    QTest::newRow("DefaultToolbar 0 without ToolbarButtons") << "0" << QString() << BuiltIn;
}

void tst_MainToolbar::layoutFromSettings()
{
    QFETCH(QString, defaultToolbar);
    QFETCH(QString, buttons);
    QFETCH(QStringList, contents);
    MainWindowFixture fixture;
    if (!defaultToolbar.isEmpty())
        fixture.writeSetting(QStringLiteral("DefaultToolbar"), defaultToolbar);
    if (!buttons.isEmpty())
        fixture.writeSetting(QStringLiteral("ToolbarButtons"), buttons);
    fixture.start(fixture.writeHistory(History));
    QCOMPARE(toolbarContents(fixture.child<QToolBar>(QStringLiteral("Toolbar1"))), contents);
}

void tst_MainToolbar::tooltipsAreMenuCaptions()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    QStringList tooltips;
    for (const QString key : {"a", "b", "c", "d", "g", "f", "e"})
        tooltips << fixture.child<QAction>(QStringLiteral("Toolbar1_") + key)->toolTip();
    QCOMPARE(tooltips,
             (QStringList{"Open", "All Changes", "Additions", "Fixes", "Reversed List", "Find", "Options"}));
}

void tst_MainToolbar::rightClickOffersViewCommands()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    rightClick(fixture.child<QToolBar>(QStringLiteral("Toolbar1")));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QList<QAction *> expected{fixture.child<QAction>(QStringLiteral("mnuViewToolbar")),
                                    fixture.child<QAction>(QStringLiteral("mnuViewStatusBar")),
                                    fixture.child<QAction>(QStringLiteral("mnuViewWrapPanel"))};
    QCOMPARE(menu->actions(), expected);
    menu->actions().at(1)->trigger();
    menu->close();
    QVERIFY(!fixture.child<QStatusBar>(QStringLiteral("StatusBar1"))->isVisible());
}

void tst_MainToolbar::rightClickIgnoredWhenSet()
{
    MainWindowFixture fixture;
    fixture.writeSetting(QStringLiteral("ToolbarIgnoreRightClick"), QStringLiteral("1"));
    fixture.start(fixture.writeHistory(History));
    rightClick(fixture.child<QToolBar>(QStringLiteral("Toolbar1")));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

QTEST_MAIN(tst_MainToolbar)
#include "tst_MainToolbar.moc"
