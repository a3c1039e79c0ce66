#include "widgets/ScreenTwips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr int DefaultTwipsPerPixel = 15;

int twipsPerPixel(qreal dotsPerInch)
{
    // A screen reporting no resolution keeps the usual 96 dpi value rather than dividing by zero.
    if (!(dotsPerInch > 0))
        return DefaultTwipsPerPixel;
    return qMax(1, static_cast<int>(std::lround(1440.0 / dotsPerInch)));
}

} // namespace

int twipsPerPixelX(const QScreen *screen)
{
    return screen ? twipsPerPixel(screen->logicalDotsPerInchX()) : DefaultTwipsPerPixel;
}

int twipsPerPixelY(const QScreen *screen)
{
    return screen ? twipsPerPixel(screen->logicalDotsPerInchY()) : DefaultTwipsPerPixel;
}
