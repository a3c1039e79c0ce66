#include "DataTable.h"

#include "settings/Globals.h"
#include "widgets/SplitterGeometry.h"
#include "widgets/cSplitter.h"

#include <QFrame>
#include <QMouseEvent>

using Rect = SplitterGeometry::Rect;
using Layout = SplitterGeometry::Layout;

Q_DECLARE_METATYPE(SplitterGeometry::Rect)
Q_DECLARE_METATYPE(SplitterGeometry::Layout)

constexpr SplitDirection Stacked = SplitDirection::Stacked;
constexpr SplitDirection SideBySide = SplitDirection::SideBySide;
constexpr int Twips = 15; // per pixel of the test screen (96 dots per inch)
constexpr int Bar = 3 * Twips;

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
        layout.splitterSize = Bar;
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

    // The program hides only the second pane and uses no margins.
    void arrangePanes_data()
    {
        const auto row = addColumns<SplitDirection, bool, Layout, Layout>(
            {"direction", "secondVisible", "before", "after"});
        const Rect old{7, 7, 7, 7};
        // Container 3000 x 2000, bar at 900 on the split axis.
        const Layout stacked{3000, 2000, {0, 900, 10, 10}, old, old};
        row("stacked, both panes", Stacked, true, stacked,
            {3000, 2000, {0, 900, 3000, Bar}, {0, 0, 3000, 900}, {0, 945, 3000, 1055}});
        row("side by side, both panes", SideBySide, true, {3000, 2000, {900, 0, 10, 10}, old, old},
            {3000, 2000, {900, 0, Bar, 2000}, {0, 0, 900, 2000}, {945, 0, 2055, 2000}});
        row("second hidden: first fills, bar untouched", Stacked, false, stacked,
            {3000, 2000, {0, 900, 10, 10}, {0, 0, 3000, 2000}, old});
        row("bar beyond container keeps the second pane's old height", Stacked, true,
            {3000, 500, {0, 900, 10, 10}, old, old},
            {3000, 500, {0, 900, 3000, Bar}, {0, 0, 3000, 900}, {0, 945, 3000, 7}});
    }
    void arrangePanes()
    {
        auto [direction, secondVisible, before] =
            fetch<SplitDirection, bool, Layout>({"direction", "secondVisible", "before"});
        SplitterGeometry(direction, {}, Bar).arrangePanes(before, true, secondVisible);
        QTEST(before, "after");
    }

    void dragLimits_data()
    {
        const auto row = addColumns<int, bool>({"proposed", "accepted"});
        // Extent 3000, minimum left 100, minimum right 600.
        row("at minimum left + 30", 130, false);
        row("one past minimum left + 30", 131, true);
        row("at extent - minimum right", 2400, false);
        row("one before extent - minimum right", 2399, true);
        row("beyond the container", 3100, false);
    }
    void dragLimits()
    {
        QFETCH(int, proposed);
        QTEST(SplitterGeometry::acceptsDragPosition(proposed, 3000, 100, 600), "accepted");
    }

    void pullBackAfterResize_data()
    {
        const auto row = addColumns<int, int, std::optional<int>>({"barPosition", "newExtent", "pulledTo"});
        row("bar beyond a large container", 5000, 3000, std::optional<int>(2910));
        row("bar exactly at the end stays", 3000, 3000, std::optional<int>());
        row("bar inside stays", 1000, 3000, std::optional<int>());
        row("container of exactly 120 pixels", 5000, 1800, std::optional<int>());
        row("container of 121 pixels", 5000, 1815, std::optional<int>(1725));
    }
    void pullBackAfterResize()
    {
        auto [barPosition, newExtent] = fetch<int, int>({"barPosition", "newExtent"});
        QTEST(SplitterGeometry::pulledBackBarPosition(barPosition, newExtent, 15), "pulledTo");
    }

    void checkedBar_data()
    {
        const auto row = addColumns<int, int, int, std::optional<int>>(
            {"barPosition", "previousExtent", "extent", "movedTo"});
        // Held at 7200; the second pane keeps 600 and the bar 45, so the room ends 645 before the end.
        row("shrunk: pulled to leave the second pane its room", 7200, 13905, 4500, std::optional(3855));
        row("grown again: back to the held position", 3855, 4500, 13905, std::optional(7200));
        row("grown a little: by as much as it grew", 3855, 4500, 5000, std::optional(4355));
        row("same size, short of the held position: stays", 3000, 4500, 4500, std::optional<int>());
        row("no room for the first pane: stays", 7200, 4500, 1850, std::optional<int>());
    }
    void checkedBar()
    {
        auto [barPosition, previousExtent, extent] =
            fetch<int, int, int>({"barPosition", "previousExtent", "extent"});
        const SplitterGeometry geometry(Stacked, {}, Bar);
        QTEST(geometry.checkedBarPosition(barPosition, 7200, previousExtent, extent, 1200, 600, 15),
              "movedTo");
    }
};

QTEST_MAIN(tst_cSplitter)
#include "tst_cSplitter.moc"
