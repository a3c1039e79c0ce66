#include "DataTable.h"

#include "settings/Globals.h"
#include "widgets/cSplitter.h"

#include <QFrame>
#include <QMouseEvent>

constexpr SplitDirection Stacked = SplitDirection::Stacked;
constexpr int Twips = 15; // per pixel of the test screen (96 dots per inch)

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
        window.resize(400, 400);
        container->setGeometry(0, 0, 200, 300);
        window.show();
    }
    [[nodiscard]] bool create(SplitDirection direction, int startPosition)
    {
        cSplitter::Layout layout;
        layout.direction = direction;
        layout.splitterStartPos = startPosition;
        layout.splitterSize = 3 * Twips;
        return splitter.CreateSplitter(container, bar, pane1, pane2, layout);
    }
    // Mouse events in pixels relative to the bar, the way the bar receives them.
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, bar->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &event);
    }
};

class tst_cSplitter : public QObject
{
    Q_OBJECT

private slots:
    void panesFollowDragAndPositionFollowsRelease_data()
    {
        const auto row = addColumns<Qt::MouseButtons, int>({"buttons", "barTwips"});
        // Proposed 750: the bar lands 30 twips before it.
        row("left button moves the bar", Qt::MouseButtons(Qt::LeftButton), 720);
        row("left and right buttons leave it", (Qt::LeftButton | Qt::RightButton), 600);
    }
    void panesFollowDragAndPositionFollowsRelease()
    {
        auto [buttons, barTwips] = fetch<Qt::MouseButtons, int>({"buttons", "barTwips"});
        Host host;
        QVERIFY(host.create(Stacked, 600));
        host.mouse(QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, buttons);
        host.mouse(QEvent::MouseMove, {1, 11}, Qt::NoButton, buttons);
        QCOMPARE(host.bar->y(), barTwips / Twips);
        QCOMPARE(host.pane1->height(), host.bar->y());
        QCOMPARE(host.pane2->y(), host.bar->y() + 3);
        QCOMPARE(host.pane2->y() + host.pane2->height(), host.container->height());
        // The split position itself changes only when the button is let go.
        QCOMPARE(host.splitter.SplitPosition(), 600.f);
        host.mouse(QEvent::MouseButtonRelease, {1, 11}, Qt::LeftButton, buttons & ~Qt::LeftButton);
        QCOMPARE(host.splitter.SplitPosition(), float(barTwips));
    }

    // A checked bar left outside a shrunk container is pulled back to 6 pixels before its end.
    void resizePullsCheckedBarBack()
    {
        Host host;
        QVERIFY(host.create(Stacked, 3990));
        host.splitter.CheckSplitterPos = true;
        host.splitter.Resize(2250.f, 3000.f);
        QCOMPARE(host.splitter.layout().bar.top, 2250 - 90);
        QCOMPARE(host.splitter.SplitPosition(), 3990.f);
    }
};

QTEST_MAIN(tst_cSplitter)
#include "tst_cSplitter.moc"
