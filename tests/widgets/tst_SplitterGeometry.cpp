#include "DataTable.h"

#include "widgets/SplitterGeometry.h"

using Rect = SplitterGeometry::Rect;
using Layout = SplitterGeometry::Layout;

Q_DECLARE_METATYPE(SplitterGeometry::Rect)
Q_DECLARE_METATYPE(SplitterGeometry::Layout)

constexpr SplitDirection Stacked = SplitDirection::Stacked;
constexpr SplitDirection SideBySide = SplitDirection::SideBySide;
constexpr int Bar = 45; // 3 pixels at 15 twips per pixel

class tst_SplitterGeometry : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(tst_SplitterGeometry)
#include "tst_SplitterGeometry.moc"
