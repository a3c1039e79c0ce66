#include "widgets/SplitterGeometry.h"

#include <algorithm>

namespace {

void setWidth(SplitterGeometry::Rect &rect, int width)
{
    if (width >= 0)
        rect.width = width;
}

void setHeight(SplitterGeometry::Rect &rect, int height)
{
    if (height >= 0)
        rect.height = height;
}

} // namespace

SplitterGeometry::SplitterGeometry(SplitDirection direction, Margins margins, int splitterSize)
    : m_sideBySide(direction == SplitDirection::SideBySide)
    , m_margins(margins)
    , m_splitterSize(splitterSize)
{
}

int SplitterGeometry::extent(const Layout &layout) const
{
    return m_sideBySide ? layout.containerWidth : layout.containerHeight;
}

int SplitterGeometry::barPosition(const Layout &layout) const
{
    return m_sideBySide ? layout.bar.left : layout.bar.top;
}

void SplitterGeometry::setBarPosition(Layout &layout, int position) const
{
    (m_sideBySide ? layout.bar.left : layout.bar.top) = position;
}

void SplitterGeometry::arrangePanes(Layout &layout, bool leftVisible, bool rightVisible) const
{
    const int cw = layout.containerWidth;
    const int ch = layout.containerHeight;
    const auto [l, t, r, b] = m_margins;
    Rect &bar = layout.bar;
    Rect &pane1 = layout.pane1;
    Rect &pane2 = layout.pane2;

    if (rightVisible && !leftVisible) {
        pane2.top = t;
        pane2.left = l;
        setHeight(pane2, ch - t - b);
        setWidth(pane2, cw - l - r);
    } else if (rightVisible && !m_sideBySide) {
        setWidth(bar, cw - (l + r));
        setHeight(bar, m_splitterSize);
        bar.left = l;
        pane1.top = t;
        pane1.left = l;
        setHeight(pane1, bar.top - t);
        setWidth(pane1, cw - (l + r));
        pane2.top = bar.top + bar.height;
        pane2.left = l;
        setHeight(pane2, ch - (pane1.height + t + bar.height + b));
        setWidth(pane2, cw - (l + r));
    } else if (rightVisible) {
        setWidth(bar, m_splitterSize);
        setHeight(bar, ch - (t + b));
        bar.top = t;
        pane1.top = t;
        pane1.left = l;
        setHeight(pane1, ch - t - b);
        setWidth(pane1, bar.left - l);
        pane2.top = t;
        pane2.left = bar.left + bar.width;
        setHeight(pane2, ch - t - b);
        setWidth(pane2, cw - (pane1.width + l + bar.width + r));
    } else {
        pane1.top = t;
        pane1.left = l;
        setHeight(pane1, ch - t - b);
        setWidth(pane1, cw - l - r);
    }
}

void SplitterGeometry::fitPanesToBar(Layout &layout) const
{
    const auto [l, t, r, b] = m_margins;
    const Rect &bar = layout.bar;
    if (m_sideBySide) {
        setWidth(layout.pane1, bar.left - l);
        layout.pane2.left = bar.left + bar.width;
        setWidth(layout.pane2, layout.containerWidth - (layout.pane1.width + l + bar.width + r));
    } else {
        setHeight(layout.pane1, bar.top - t);
        layout.pane2.top = bar.top + bar.height;
        setHeight(layout.pane2, layout.containerHeight - (layout.pane1.height + t + bar.height + b));
    }
}

bool SplitterGeometry::acceptsDragPosition(int proposed, int extent, int minLeft, int minRight)
{
    return proposed > minLeft + DragLeftReserve && proposed < extent - minRight;
}

float SplitterGeometry::startPosition(float requested, int extent, bool createdBefore)
{
    if (createdBefore && requested >= static_cast<float>(extent))
        return static_cast<float>(extent) / 2;
    return requested;
}

std::optional<int> SplitterGeometry::pulledBackBarPosition(int barPosition, int newExtent, int twipsPerPixel)
{
    if (barPosition > newExtent && newExtent > 120 * twipsPerPixel)
        return newExtent - 6 * twipsPerPixel;
    return std::nullopt;
}

std::optional<int> SplitterGeometry::checkedBarPosition(int barPosition, int heldPosition, int previousExtent,
                                                        int extent, int minLeft, int minRight,
                                                        int twipsPerPixel) const
{
    const int limit = extent - minRight - m_splitterSize;
    if (extent <= 120 * twipsPerPixel || limit <= minLeft + DragLeftReserve)
        return std::nullopt;
    if (barPosition > limit)
        return limit;
    const int grown = extent - previousExtent;
    if (grown <= 0)
        return std::nullopt;
    const int wanted = std::min({heldPosition, limit, barPosition + grown});
    if (barPosition < wanted)
        return wanted;
    return std::nullopt;
}

QDebug operator<<(QDebug debug, const SplitterGeometry::Rect &rect)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Rect(left " << rect.left << ", top " << rect.top << ", width " << rect.width
                    << ", height " << rect.height << ')';
    return debug;
}

QDebug operator<<(QDebug debug, const SplitterGeometry::Layout &layout)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "Layout(container " << layout.containerWidth << 'x' << layout.containerHeight
                    << ", bar " << layout.bar << ", pane1 " << layout.pane1 << ", pane2 " << layout.pane2
                    << ')';
    return debug;
}
