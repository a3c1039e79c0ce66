#include "settings/Globals.h"
#include "widgets/cSplitter.h"

#include <QFrame>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int Stacked = 2;
constexpr int SideBySide = 1;
constexpr int Twips = 15; // per pixel in every test
constexpr int BarTwips = 3 * Twips;

// A window with a 200 x 300 pixel container (3000 x 4500 twips) and a splitter over it.
struct Host
{
    QWidget window;
    QFrame *container = new QFrame(&window);
    QFrame *bar = new QFrame(&window);
    QWidget *pane1 = new QWidget(&window);
    QWidget *pane2 = new QWidget(&window);
    cSplitter splitter;

    Host()
    {
        globals().TwipsPerPixelX = Twips;
        globals().TwipsPerPixelY = Twips;
        window.resize(400, 400);
        container->setGeometry(0, 0, 200, 300);
        window.show();
    }

    [[nodiscard]] bool create(int direction, int startPosition)
    {
        return splitter.CreateSplitter(container, bar, pane1, pane2, direction, startPosition, BarTwips, 0, 0,
                                       0, 0);
    }

    // Mouse events in pixels relative to the bar, the way the bar receives them.
    void mouse(QEvent::Type type, QPointF position, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, position, bar->mapToGlobal(position), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &event);
    }
    void press(QPointF position)
    {
        mouse(QEvent::MouseButtonPress, position, Qt::LeftButton, Qt::LeftButton);
    }
    void moveTo(QPointF position) { mouse(QEvent::MouseMove, position, Qt::NoButton, Qt::LeftButton); }
    void release(QPointF position) { mouse(QEvent::MouseButtonRelease, position, Qt::LeftButton, {}); }
};

} // namespace

class tst_cSplitter : public QObject
{
    Q_OBJECT

private slots:
    void hiddenPaneLetsTheOtherFill_data();
    void hiddenPaneLetsTheOtherFill();
    void hidingBothPanesHidesContainer();
    void showingBothPanesRestoresBar();
    void panesFollowTheBarWhileDragging();
    void splitPositionChangesOnMouseUp();
    void onlyTheLeftButtonDrags();
    void resizeAndBar_data();
    void resizeAndBar();
    void containerResizeLaysOutAndNotifies();
    void swapPanelsExchangesSlots();
    void startBeyondExtentKeptOnlyOnFirstCreate();
    void createRejectsMissingWidget();
};

void tst_cSplitter::hiddenPaneLetsTheOtherFill_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("hideLeft");

    QTest::newRow("stacked, left hidden") << Stacked << true;
    QTest::newRow("stacked, right hidden") << Stacked << false;
    QTest::newRow("side by side, left hidden") << SideBySide << true;
    QTest::newRow("side by side, right hidden") << SideBySide << false;
}

void tst_cSplitter::hiddenPaneLetsTheOtherFill()
{
    QFETCH(int, direction);
    QFETCH(bool, hideLeft);

    Host host;
    QVERIFY(host.create(direction, 1500));
    if (hideLeft)
        host.splitter.setLeftPanelVisible(false);
    else
        host.splitter.setRightPanelVisible(false);

    const QWidget *remaining = hideLeft ? host.pane2 : host.pane1;
    QCOMPARE(remaining->geometry(), host.container->rect());
    QVERIFY(host.bar->isHidden());
}

void tst_cSplitter::hidingBothPanesHidesContainer()
{
    Host host;
    QVERIFY(host.create(Stacked, 1500));
    host.splitter.setRightPanelVisible(false);
    QVERIFY(!host.container->isHidden());
    host.splitter.setLeftPanelVisible(false);
    QVERIFY(host.container->isHidden());
}

void tst_cSplitter::showingBothPanesRestoresBar()
{
    Host host;
    QVERIFY(host.create(Stacked, 1500));
    const QRect bar = host.bar->geometry();
    host.splitter.setLeftPanelVisible(false);
    host.splitter.setRightPanelVisible(false);
    host.splitter.setLeftPanelVisible(true);
    host.splitter.setRightPanelVisible(true);

    QVERIFY(!host.bar->isHidden());
    QCOMPARE(host.bar->geometry(), bar);
    QCOMPARE(host.pane1->height(), bar.top());
}

void tst_cSplitter::panesFollowTheBarWhileDragging()
{
    Host host;
    QVERIFY(host.create(Stacked, 600));
    QSignalSpy arranged(&host.splitter, &cSplitter::PanesArranged);
    host.press({1, 1});
    host.moveTo({1, 11}); // proposed 750: the bar lands 30 twips before it

    QCOMPARE(host.bar->y(), 720 / Twips);
    QCOMPARE(host.pane1->height(), host.bar->y());
    QCOMPARE(host.pane2->y(), host.bar->y() + 3);
    QCOMPARE(host.pane2->y() + host.pane2->height(), host.container->height());
    QCOMPARE(arranged.count(), 1);
}

void tst_cSplitter::splitPositionChangesOnMouseUp()
{
    Host host;
    QVERIFY(host.create(Stacked, 600));
    host.press({1, 1});
    host.moveTo({1, 11});
    QCOMPARE(host.splitter.SplitPosition(), 600.f);
    host.release({1, 11});
    QCOMPARE(host.splitter.SplitPosition(), 720.f);
}

void tst_cSplitter::onlyTheLeftButtonDrags()
{
    Host host;
    QVERIFY(host.create(SideBySide, 600));
    host.mouse(QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
    host.mouse(QEvent::MouseMove, {11, 1}, Qt::NoButton, Qt::LeftButton | Qt::RightButton);
    QCOMPARE(host.splitter.layout().bar.left, 600);
}

void tst_cSplitter::resizeAndBar_data()
{
    QTest::addColumn<bool>("check");
    QTest::addColumn<int>("newHeight");
    QTest::addColumn<int>("barTop");

    // The bar starts at 3990, inside the 4500-twip container.
    QTest::newRow("no check: bar left outside") << false << 2250 << 3990;
    QTest::newRow("check: pulled to 6 pixels before the end") << true << 2250 << 2250 - 90;
    QTest::newRow("check: container of 120 pixels is too small") << true << 1800 << 3990;
}

void tst_cSplitter::resizeAndBar()
{
    QFETCH(bool, check);
    QFETCH(int, newHeight);
    QFETCH(int, barTop);

    Host host;
    QVERIFY(host.create(Stacked, 3990));
    host.splitter.CheckSplitterPos = check;
    host.splitter.Resize(float(newHeight), 3000.f);
    QCOMPARE(host.splitter.layout().bar.top, barTop);
    QCOMPARE(host.splitter.SplitPosition(), 3990.f);
}

void tst_cSplitter::containerResizeLaysOutAndNotifies()
{
    Host host;
    QVERIFY(host.create(SideBySide, 900));
    QSignalSpy arranged(&host.splitter, &cSplitter::PanesArranged);
    host.container->resize(300, 250);

    QCOMPARE(arranged.count(), 1);
    QCOMPARE(host.pane2->geometry(), QRect(63, 0, 237, 250));
    QCOMPARE(host.bar->height(), 250);
}

void tst_cSplitter::swapPanelsExchangesSlots()
{
    Host host;
    QVERIFY(host.create(SideBySide, 900));
    host.splitter.SwapPanels();

    QVERIFY(host.splitter.Swapped);
    QCOMPARE(host.pane2->geometry(), QRect(0, 0, 60, 300));
    QCOMPARE(host.pane1->x(), 63);
    host.splitter.setLeftPanelVisible(false);
    QVERIFY(host.pane2->isHidden());
    QCOMPARE(host.pane1->geometry(), host.container->rect());
}

void tst_cSplitter::startBeyondExtentKeptOnlyOnFirstCreate()
{
    Host host;
    QVERIFY(host.create(SideBySide, 5000));
    QCOMPARE(host.splitter.SplitPosition(), 5000.f);
    QCOMPARE(host.splitter.layout().bar.left, 5000);

    QVERIFY(host.create(SideBySide, 5000));
    QCOMPARE(host.splitter.SplitPosition(), 1500.f);
    QCOMPARE(host.bar->x(), 100);
}

void tst_cSplitter::createRejectsMissingWidget()
{
    Host host;
    QVERIFY(!host.splitter.CreateSplitter(host.container, host.bar, host.pane1, nullptr, Stacked, 600,
                                          BarTwips, 0, 0, 0, 0));
    // Calls before a successful creation have nothing to act on and must not crash.
    host.splitter.setSplitPosition(700);
    host.splitter.SwapPanels();
    host.splitter.setLeftPanelVisible(false);
    QCOMPARE(host.pane1->parentWidget(), &host.window);
}

QTEST_MAIN(tst_cSplitter)
#include "tst_cSplitter.moc"
