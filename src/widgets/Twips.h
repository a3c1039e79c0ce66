#pragma once

#include "widgets/ScreenTwips.h"

#include <QGuiApplication>

#include <QRect>
#include <QRectF>

#include <algorithm>
#include <cmath>

// Stored positions and sizes are in twips (1440 to the inch); widgets take pixels. One pixel is
// as many twips as the primary screen's resolution makes it (15 at 96 dots per inch); never less
// than one, so that nothing ever divides by zero.
namespace Twips {

inline int perPixelX()
{
    return twipsPerPixelX(QGuiApplication::primaryScreen());
}
inline int perPixelY()
{
    return twipsPerPixelY(QGuiApplication::primaryScreen());
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
