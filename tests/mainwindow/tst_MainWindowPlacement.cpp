#include "MainWindowFixture.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

namespace {
const QStringList History{"Release Total Commander 1.0", "01.01.01 Fixed: a", "01.01.01 Added: b"};
const QString Position = QStringLiteral("MainWindowPosition");
const QString Maximized = QStringLiteral("MainWindowMaxmized");
} // namespace

class tst_MainWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void closingMaximisedKeepsStoredPosition();
    void closingNormalWritesPlacement_data();
    void closingNormalWritesPlacement();
    void movedWindowWritesItsPlacement();
    void viewFlagsSurviveRestart_data();
    void viewFlagsSurviveRestart();
};

void tst_MainWindowPlacement::closingMaximisedKeepsStoredPosition()
{
    MainWindowFixture fixture;
    fixture.writeSetting(Position, QStringLiteral("1500,300,6000,9000"));
    fixture.writeSetting(Maximized, QStringLiteral("1"));
    frmMain &window = fixture.start(fixture.writeHistory(History), true);
    QVERIFY(window.isMaximized());
    fixture.close();
    QCOMPARE(fixture.readSetting(Position), QStringLiteral("1500,300,6000,9000"));
    QCOMPARE(fixture.readSetting(Maximized), QStringLiteral("1"));
}

void tst_MainWindowPlacement::closingNormalWritesPlacement_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("written");

    // 11500 twips is no whole number of pixels: an unmoved window must still write it back as it was.
    QTest::newRow("default placement") << QString() << QRect(16, 132, 767, 314) << "1980,240,4710,11500";
    QTest::newRow("whole pixels") << "1500,300,6000,9000" << QRect(20, 100, 600, 400) << "1500,300,6000,9000";
    QTest::newRow("two fields keep the other two")
        << "1500,300" << QRect(20, 100, 767, 314) << "1500,300,4710,11500";
    QTest::newRow("field that is no number keeps its value")
        << "1500,left,6000,9000" << QRect(16, 100, 600, 400) << "1500,240,6000,9000";
}

void tst_MainWindowPlacement::closingNormalWritesPlacement()
{
    QFETCH(QString, stored);
    QFETCH(QRect, pixels);
    QFETCH(QString, written);
    MainWindowFixture fixture;
    if (!stored.isNull())
        fixture.writeSetting(Position, stored);
    fixture.writeSetting(Maximized, QStringLiteral("0"));
    frmMain &window = fixture.start(fixture.writeHistory(History), true);
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.geometry(), pixels);
    fixture.close();
    QCOMPARE(fixture.readSetting(Position), written);
    QCOMPARE(fixture.readSetting(Maximized), QStringLiteral("0"));
}

void tst_MainWindowPlacement::movedWindowWritesItsPlacement()
{
    MainWindowFixture fixture;
    fixture.writeSetting(Maximized, QStringLiteral("0"));
    frmMain &window = fixture.start(fixture.writeHistory(History), true);
    window.setGeometry(30, 40, 500, 300);
    QTRY_COMPARE(window.geometry(), QRect(30, 40, 500, 300));
    fixture.close();
    QCOMPARE(fixture.readSetting(Position), QStringLiteral("600,450,4500,7500"));
}

void tst_MainWindowPlacement::viewFlagsSurviveRestart_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<QString>("statusBar");
    QTest::addColumn<QString>("wrapPanel");
    QTest::addColumn<QString>("reversed");

    QTest::newRow("all on") << "1"
                            << "1"
                            << "1"
                            << "1";
    QTest::newRow("all off") << "0"
                             << "0"
                             << "0"
                             << "0";
    QTest::newRow("mixed") << "0"
                           << "1"
                           << "0"
                           << "1";
}

void tst_MainWindowPlacement::viewFlagsSurviveRestart()
{
    QFETCH(QString, toolbar);
    QFETCH(QString, statusBar);
    QFETCH(QString, wrapPanel);
    QFETCH(QString, reversed);
    const QStringList keys{"ToolbarVisible", "StatusBarVisible", "WrapPanelVisible", "ReversedList"};
    const QStringList flags{toolbar, statusBar, wrapPanel, reversed};
    MainWindowFixture fixture;
    for (int i = 0; i < keys.size(); ++i)
        fixture.writeSetting(keys[i], flags[i]);
    const QString file = fixture.writeHistory(History);
    for (int run = 0; run < 2; ++run) {
        fixture.start(file);
        const QStringList shown{
            QString::number(fixture.child<QToolBar>(QStringLiteral("Toolbar1"))->isVisible()),
            QString::number(fixture.child<QStatusBar>(QStringLiteral("StatusBar1"))->isVisible()),
            QString::number(fixture.child<QPlainTextEdit>(QStringLiteral("Text1"))->isVisible()),
            QString::number(fixture.child<QAction>(QStringLiteral("mnuViewReversedList"))->isChecked())};
        QCOMPARE(shown, flags);
        const QStringList checked{
            QString::number(fixture.child<QAction>(QStringLiteral("mnuViewToolbar"))->isChecked()),
            QString::number(fixture.child<QAction>(QStringLiteral("mnuViewStatusBar"))->isChecked()),
            QString::number(fixture.child<QAction>(QStringLiteral("mnuViewWrapPanel"))->isChecked()),
            QString::number(fixture.child<QAction>(QStringLiteral("Toolbar1_g"))->isChecked())};
        QCOMPARE(checked, flags);
        fixture.close();
        QStringList stored;
        for (const QString &key : keys)
            stored << fixture.readSetting(key);
        QCOMPARE(stored, flags);
    }
}

QTEST_MAIN(tst_MainWindowPlacement)
#include "tst_MainWindowPlacement.moc"
