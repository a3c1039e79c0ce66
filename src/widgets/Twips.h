#pragma once

#include "settings/Globals.h"

#include <QRect>
#include <QRectF>

#include <algorithm>
#include <cmath>

// Stored positions and sizes are in twips (1440 to the inch); widgets take pixels. One pixel is
// globals().TwipsPerPixelX (or Y) twips, read once from the screen at start-up; a value below one
// counts as one, so that nothing ever divides by zero.
namespace Twips {

inline int perPixelX()
{
    return std::max(1, globals().TwipsPerPixelX);
}
inline int perPixelY()
{
    return std::max(1, globals().TwipsPerPixelY);
}

inline int fromPixelsX(int pixels)
{
    return pixels * perPixelX();
}
inline int fromPixelsY(int pixels)
{
    return pixels * perPixelY();
}

// The nearest whole pixel.
inline int toPixelsX(double twips)
{
    return static_cast<int>(std::lround(twips / perPixelX()));
}
inline int toPixelsY(double twips)
{
    return static_cast<int>(std::lround(twips / perPixelY()));
}

inline QRectF fromPixels(const QRect &pixels)
{
    return QRectF(fromPixelsX(pixels.x()), fromPixelsY(pixels.y()), fromPixelsX(pixels.width()),
                  fromPixelsY(pixels.height()));
}
inline QRect toPixels(const QRectF &twips)
{
    return QRect(toPixelsX(twips.left()), toPixelsY(twips.top()), toPixelsX(twips.width()),
                 toPixelsY(twips.height()));
}

} // namespace Twips
