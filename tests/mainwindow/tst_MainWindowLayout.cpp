#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QTableView>

namespace {
const QStringList History{"Release Total Commander 1.0", "01.01.01 Fixed: a", "01.01.01 Added: b"};

// Where a widget lies in the main window's coordinates.
QRect inWindow(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

void sendMouse(QWidget *bar, QEvent::Type type, const QPoint &inContainer, Qt::MouseButtons buttons)
{
    const QPointF local = inContainer - bar->pos();
    QMouseEvent event(type, local, bar->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
}

// Grabs the bar one pixel inside its top left corner and moves the mouse one pixel at a time by
// `distance` pixels (positive: right or down) before letting go.
void dragBar(QWidget *bar, bool sideBySide, int distance)
{
    const QPoint grab = bar->pos() + QPoint(1, 1);
    sendMouse(bar, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    const int step = distance < 0 ? -1 : 1;
    for (int moved = step; moved != distance + step; moved += step)
        sendMouse(bar, QEvent::MouseMove, grab + (sideBySide ? QPoint(moved, 0) : QPoint(0, moved)),
                  Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease,
              grab + (sideBySide ? QPoint(distance, 0) : QPoint(0, distance)), Qt::NoButton);
}
} // namespace

class tst_MainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void containerInsetByOnePixel_data();
    void containerInsetByOnePixel();
    void hidingToolbarMovesContainerUp();
    void hidingStatusBarMakesContainerTaller();
    void hidingWrapPanelLetsChangesFillPane();
    void innerDragStopsFortyPixelsAboveBottom();
    void splitPositionsSurviveRestart();
};

void tst_MainWindowLayout::containerInsetByOnePixel_data()
{
    QTest::addColumn<QString>("toolbar");
    QTest::addColumn<QString>("statusBar");

    QTest::newRow("toolbar and status bar hidden") << "0"
                                                   << "0";
    QTest::newRow("both shown") << "1"
                                << "1";
}

void tst_MainWindowLayout::containerInsetByOnePixel()
{
    QFETCH(QString, toolbar);
    QFETCH(QString, statusBar);
    MainWindowFixture fixture;
    fixture.writeSetting(QStringLiteral("ToolbarVisible"), toolbar);
    fixture.writeSetting(QStringLiteral("StatusBarVisible"), statusBar);
    frmMain &window = fixture.start(fixture.writeHistory(History));
    // The client area lies between the menu bar (toolbar) and the bottom edge (status bar).
    const int top =
        window.menuBar()->height() + (toolbar == "1" ? window.findChild<QToolBar *>()->height() : 0);
    const int bottom = window.height() - (statusBar == "1" ? window.statusBar()->height() : 0);
    const QRect client(0, top, window.width(), bottom - top);
    QTRY_COMPARE(inWindow(window.centralWidget()), client);
    QTRY_COMPARE(inWindow(fixture.child<QWidget>(QStringLiteral("picMainSplitter"))),
                 client.adjusted(1, 1, -1, -1));
}

void tst_MainWindowLayout::hidingToolbarMovesContainerUp()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    auto *container = fixture.child<QWidget>(QStringLiteral("picMainSplitter"));
    const int toolbarHeight = fixture.child<QToolBar>(QStringLiteral("Toolbar1"))->height();
    QVERIFY(toolbarHeight > 0);
    const QRect shown = inWindow(container);
    fixture.child<QAction>(QStringLiteral("mnuViewToolbar"))->trigger();
    QTRY_COMPARE(inWindow(container), shown.adjusted(0, -toolbarHeight, 0, 0));
    fixture.child<QAction>(QStringLiteral("mnuViewToolbar"))->trigger();
    QTRY_COMPARE(inWindow(container), shown);
}

void tst_MainWindowLayout::hidingStatusBarMakesContainerTaller()
{
    MainWindowFixture fixture;
    frmMain &window = fixture.start(fixture.writeHistory(History));
    auto *container = fixture.child<QWidget>(QStringLiteral("picMainSplitter"));
    const int statusHeight = window.statusBar()->height();
    QVERIFY(statusHeight > 0);
    const QRect shown = inWindow(container);
    fixture.child<QAction>(QStringLiteral("mnuViewStatusBar"))->trigger();
    QTRY_COMPARE(inWindow(container), shown.adjusted(0, 0, 0, statusHeight));
    fixture.child<QAction>(QStringLiteral("mnuViewStatusBar"))->trigger();
    QTRY_COMPARE(inWindow(container), shown);
}

void tst_MainWindowLayout::hidingWrapPanelLetsChangesFillPane()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    auto *pane = fixture.child<QWidget>(QStringLiteral("picSpliterContainer"));
    auto *changes = fixture.child<QTableView>(QStringLiteral("lvChangesList"));
    auto *bar = fixture.child<QWidget>(QStringLiteral("Frame1"));
    auto *wrap = fixture.child<QPlainTextEdit>(QStringLiteral("Text1"));
    const QRect barShown = bar->geometry();
    const QRect changesShown = changes->geometry();

    fixture.child<QAction>(QStringLiteral("mnuViewWrapPanel"))->trigger();
    QTRY_COMPARE(changes->geometry(), pane->rect());
    QVERIFY(!wrap->isVisible());
    QVERIFY(!bar->isVisible());

    fixture.child<QAction>(QStringLiteral("mnuViewWrapPanel"))->trigger();
    QTRY_COMPARE(bar->geometry(), barShown);
    QCOMPARE(changes->geometry(), changesShown);
    QVERIFY(wrap->isVisible());
    QCOMPARE(wrap->geometry().top(), barShown.bottom() + 1);
}

void tst_MainWindowLayout::innerDragStopsFortyPixelsAboveBottom()
{
    MainWindowFixture fixture;
    fixture.start(fixture.writeHistory(History));
    auto *pane = fixture.child<QWidget>(QStringLiteral("picSpliterContainer"));
    auto *bar = fixture.child<QWidget>(QStringLiteral("Frame1"));
    auto *wrap = fixture.child<QPlainTextEdit>(QStringLiteral("Text1"));
    dragBar(bar, false, pane->height());
    QCOMPARE(pane->height() - (bar->y() + bar->height()), 40);
    QCOMPARE(wrap->height(), 40);
    QCOMPARE(wrap->geometry().bottom(), pane->height() - 1);
}

void tst_MainWindowLayout::splitPositionsSurviveRestart()
{
    MainWindowFixture fixture;
    const QString file = fixture.writeHistory(History);
    fixture.start(file);
    auto *outerBar = fixture.child<QWidget>(QStringLiteral("Frame2"));
    auto *innerBar = fixture.child<QWidget>(QStringLiteral("Frame1"));
    dragBar(outerBar, true, 50);
    dragBar(innerBar, false, -60);
    const QRect outer = outerBar->geometry();
    const QRect inner = innerBar->geometry();
    fixture.close();
    QCOMPARE(fixture.readSetting(QStringLiteral("SplitPosition")), QString::number(outer.x() * 15));
    QCOMPARE(fixture.readSetting(QStringLiteral("SplitPosition2")), QString::number(inner.y() * 15));

    fixture.start(file);
    QTRY_COMPARE(fixture.child<QWidget>(QStringLiteral("Frame2"))->geometry(), outer);
    QTRY_COMPARE(fixture.child<QWidget>(QStringLiteral("Frame1"))->geometry(), inner);
}

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_MainWindowLayout.moc"
