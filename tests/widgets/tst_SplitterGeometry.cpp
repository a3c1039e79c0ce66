#include "DataTable.h"

#include "widgets/SplitterGeometry.h"

#include <QTest>

using Rect = SplitterGeometry::Rect;
using Layout = SplitterGeometry::Layout;

Q_DECLARE_METATYPE(SplitterGeometry::Rect)
Q_DECLARE_METATYPE(SplitterGeometry::Layout)

constexpr int Stacked = 2;
constexpr int SideBySide = 1;
constexpr int Bar = 45; // 3 pixels at 15 twips per pixel

class tst_SplitterGeometry : public QObject
{
    Q_OBJECT

private slots:
    void arrangePanes_data()
    {
        const auto row = addColumns<int, int, bool, bool, Layout, Layout>(
            {"direction", "margin", "leftVisible", "rightVisible", "before", "after"});

        const Rect old{7, 7, 7, 7};
        // Container 3000 x 2000, bar at 900 on the split axis.
        const Layout stacked{3000, 2000, {0, 900, 10, 10}, old, old};
        const Layout side{3000, 2000, {900, 0, 10, 10}, old, old};
        row("stacked, both panes", Stacked, 0, true, true, stacked,
            Layout{3000, 2000, {0, 900, 3000, Bar}, {0, 0, 3000, 900}, {0, 945, 3000, 1055}});
        row("side by side, both panes", SideBySide, 0, true, true, side,
            Layout{3000, 2000, {900, 0, Bar, 2000}, {0, 0, 900, 2000}, {945, 0, 2055, 2000}});
        row("stacked, margins", Stacked, 60, true, true, stacked,
            Layout{3000, 2000, {60, 900, 2880, Bar}, {60, 60, 2880, 840}, {60, 945, 2880, 995}});
        row("left hidden: right fills, bar untouched", SideBySide, 60, false, true, side,
            Layout{3000, 2000, {900, 0, 10, 10}, old, {60, 60, 2880, 1880}});
        row("right hidden: left fills, bar untouched", Stacked, 60, true, false, stacked,
            Layout{3000, 2000, {0, 900, 10, 10}, {60, 60, 2880, 1880}, old});
        row("both hidden: left fills", Stacked, 0, false, false, stacked,
            Layout{3000, 2000, {0, 900, 10, 10}, {0, 0, 3000, 2000}, old});
        row("container smaller than margins keeps old sizes", Stacked, 60, true, false,
            Layout{100, 100, {}, old, old}, Layout{100, 100, {}, {60, 60, 7, 7}, old});
        row("bar beyond container keeps the lower pane's old height", Stacked, 0, true, true,
            Layout{3000, 500, {0, 900, 10, 10}, old, old},
            Layout{3000, 500, {0, 900, 3000, Bar}, {0, 0, 3000, 900}, {0, 945, 3000, 7}});
    }
    void arrangePanes()
    {
        QFETCH(int, direction);
        QFETCH(int, margin);
        QFETCH(bool, leftVisible);
        QFETCH(bool, rightVisible);
        QFETCH(Layout, before);
        SplitterGeometry(direction, {margin, margin, margin, margin}, Bar)
            .arrangePanes(before, leftVisible, rightVisible);
        QTEST(before, "after");
    }

    void fitPanesToBar_data()
    {
        const auto row = addColumns<int, Layout, Layout>({"direction", "before", "after"});
        const Rect old{5, 5, 5, 5};
        row("stacked", Stacked, Layout{3000, 2000, {0, 1200, 3000, Bar}, old, old},
            Layout{3000, 2000, {0, 1200, 3000, Bar}, {5, 5, 5, 1200}, {5, 1245, 5, 755}});
        row("side by side", SideBySide, Layout{3000, 2000, {600, 0, Bar, 2000}, old, old},
            Layout{3000, 2000, {600, 0, Bar, 2000}, {5, 5, 600, 5}, {645, 5, 2355, 5}});
    }
    void fitPanesToBar()
    {
        QFETCH(int, direction);
        QFETCH(Layout, before);
        SplitterGeometry(direction, {}, Bar).fitPanesToBar(before);
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
        QFETCH(int, barPosition);
        QFETCH(int, newExtent);
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
        QFETCH(int, barPosition);
        QFETCH(int, previousExtent);
        QFETCH(int, extent);
        const SplitterGeometry geometry(Stacked, {}, Bar);
        QTEST(geometry.checkedBarPosition(barPosition, 7200, previousExtent, extent, 1200, 600, 15),
              "movedTo");
    }
};

QTEST_GUILESS_MAIN(tst_SplitterGeometry)
#include "tst_SplitterGeometry.moc"
