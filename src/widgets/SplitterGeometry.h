#pragma once

#include <QDebug>

#include <optional>

// How a splitter lays out its two panes: left and right of a vertical bar, or above and below a
// horizontal one.
enum class SplitDirection { SideBySide = 1, Stacked = 2 };

// Where the bar and the two panes of a splitter go, worked out in twips from the container's size.
// A width or height that would come out negative (container smaller than margins and bar) is not
// assigned: the rectangle keeps its previous value for it, as a widget would refuse it.
class SplitterGeometry
{
public:
    struct Rect
    {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        friend bool operator==(const Rect &, const Rect &) = default;
    };

    // The container's size and the three children, all in twips of the container.
    struct Layout
    {
        int containerWidth = 0;
        int containerHeight = 0;
        Rect bar;
        Rect pane1; // left or top slot
        Rect pane2; // right or bottom slot
        friend bool operator==(const Layout &, const Layout &) = default;
    };

    struct Margins
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    SplitterGeometry() = default;
    SplitterGeometry(SplitDirection direction, Margins margins, int splitterSize);

    bool sideBySide() const { return m_sideBySide; }
    int splitterSize() const { return m_splitterSize; }
    // Container width side by side, height stacked.
    int extent(const Layout &layout) const;
    // Bar left side by side, bar top stacked.
    int barPosition(const Layout &layout) const;
    void setBarPosition(Layout &layout, int position) const;

    // Full layout from the container size; never moves the bar along the split axis.
    void arrangePanes(Layout &layout, bool leftVisible, bool rightVisible) const;
    // Re-fits the panes on the split axis around the bar where it is now.
    void fitPanesToBar(Layout &layout) const;

    // A drag step to `proposed` is taken only inside these strict limits; the left/top pane keeps
    // 30 twips more than its minimum so the bar never reaches the container's edge.
    static bool acceptsDragPosition(int proposed, int extent, int minLeft, int minRight);
    // The bar lands a fixed distance before the grab-preserving position.
    int barPositionForDrag(int proposed) const { return proposed - m_splitterSize + DragOffset; }

    // The start position for a new layout: beyond the extent it goes to the middle, but only when
    // this splitter was created before (the first layout may come before the container is sized).
    static float startPosition(float requested, int extent, bool createdBefore);

    // After a resize, a bar lying beyond a container larger than 120 pixels comes back to 6 pixels
    // before its end; nothing happens otherwise.
    static std::optional<int> pulledBackBarPosition(int barPosition, int newExtent, int twipsPerPixel);

    // Where the bar of a splitter that checks its position goes when its container changes from
    // `previousExtent` to `extent`: a bar that would leave the second pane less than `minRight`
    // moves up to leave it that; a bar short of `heldPosition` goes back toward it by as much as the
    // container grew, never past it, so growing never takes room from the second pane. Only in a
    // container larger than 120 pixels with room for both panes; nullopt: the bar stays.
    std::optional<int> checkedBarPosition(int barPosition, int heldPosition, int previousExtent, int extent,
                                          int minLeft, int minRight, int twipsPerPixel) const;

    static constexpr int DragOffset = 15;
    static constexpr int DragLeftReserve = 30;

private:
    bool m_sideBySide = false;
    Margins m_margins;
    int m_splitterSize = 0;
};

QDebug operator<<(QDebug debug, const SplitterGeometry::Rect &rect);
QDebug operator<<(QDebug debug, const SplitterGeometry::Layout &layout);
