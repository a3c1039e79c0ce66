#include "widgets/ScreenFit.h"

#include <algorithm>
#include <vector>

namespace {

qreal area(const QRectF &r)
{
    return r.isEmpty() ? 0 : r.width() * r.height();
}

// Whether every point of the window lies on some screen. The screens' edges cut the window into
// cells that each lie wholly on a screen or wholly beside all of them.
bool coveredByScreens(const QRectF &window, const QList<QRectF> &screens)
{
    std::vector<qreal> xs{window.left(), window.right()};
    std::vector<qreal> ys{window.top(), window.bottom()};
    for (const QRectF &screen : screens) {
        for (qreal x : {screen.left(), screen.right()}) {
            if (x > window.left() && x < window.right())
                xs.push_back(x);
        }
        for (qreal y : {screen.top(), screen.bottom()}) {
            if (y > window.top() && y < window.bottom())
                ys.push_back(y);
        }
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            if (xs[i] == xs[i + 1] || ys[j] == ys[j + 1])
                continue;
            const QPointF middle((xs[i] + xs[i + 1]) / 2, (ys[j] + ys[j + 1]) / 2);
            const bool covered = std::any_of(screens.begin(), screens.end(),
                                             [&middle](const QRectF &s) { return s.contains(middle); });
            if (!covered)
                return false;
        }
    }
    return true;
}

} // namespace

QRectF fittedToScreens(const QRectF &window, const QList<QRectF> &screens)
{
    if (screens.isEmpty() || window.isEmpty() || coveredByScreens(window, screens))
        return window;
    const QRectF *target = &screens.front();
    qreal most = 0;
    for (const QRectF &screen : screens) {
        const qreal shared = area(screen.intersected(window));
        if (shared > most) {
            most = shared;
            target = &screen;
        }
    }
    const qreal width = std::min(window.width(), target->width());
    const qreal height = std::min(window.height(), target->height());
    const qreal left = std::clamp(window.left(), target->left(), target->right() - width);
    const qreal top = std::clamp(window.top(), target->top(), target->bottom() - height);
    return {left, top, width, height};
}
