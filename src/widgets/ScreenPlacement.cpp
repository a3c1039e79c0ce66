#include "widgets/ScreenPlacement.h"

#include "widgets/ScreenFit.h"
#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {

// The available areas in pixels, the primary screen first.
QList<QRect> availablePixels()
{
    QList<QRect> screens;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        screens << primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens << screen->availableGeometry();
    }
    return screens;
}

QMargins framedMargins(const QWidget *window)
{
    const QWindow *handle = window ? window->windowHandle() : nullptr;
    return handle && handle->isVisible() ? handle->frameMargins() : QMargins();
}

} // namespace

QList<QRectF> ScreenPlacement::availableScreens()
{
    QList<QRectF> screens;
    for (const QRect &screen : availablePixels())
        screens << Twips::fromPixels(screen);
    return screens;
}

QMargins ScreenPlacement::frameMargins(const QWidget *window)
{
    const QMargins own = framedMargins(window);
    if (!own.isNull())
        return own;
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QMargins owners = framedMargins(owner);
    if (!owners.isNull())
        return owners;
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {border, title + border, border, border};
}

WindowPlacement ScreenPlacement::place(QWidget *window, WindowPlacement placement)
{
    const QList<QRectF> screens = availableScreens();
    if (!screens.isEmpty()) {
        placement = placement.keptOnScreen(screens);
        const QMargins frame = frameMargins(window);
        const QMarginsF twips(Twips::fromPixelsX(frame.left()), Twips::fromPixelsY(frame.top()),
                              Twips::fromPixelsX(frame.right()), Twips::fromPixelsY(frame.bottom()));
        QList<QRectF> inner;
        for (const QRectF &screen : screens)
            inner << screen.marginsRemoved(twips);
        const QRectF fitted = fittedToScreens(placement.rect(), inner);
        placement.Left = fitted.left();
        placement.Top = fitted.top();
        placement.Width = fitted.width();
        placement.Height = fitted.height();
    }
    window->setGeometry(Twips::toPixels(placement.rect()));
    if (placement.Maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return placement;
}

void ScreenPlacement::keepOnScreen(QWidget *window)
{
    const QMargins frame = frameMargins(window);
    QList<QRectF> inner;
    for (const QRect &screen : availablePixels())
        inner << QRectF(screen.marginsRemoved(frame));
    const QRect fitted = fittedToScreens(QRectF(window->geometry()), inner).toRect();
    if (fitted != window->geometry())
        window->setGeometry(fitted);
}

WindowPlacement ScreenPlacement::record(const QWidget *window, const WindowPlacement &previous)
{
    const WindowShowState state = window->isMaximized()   ? WindowShowState::Maximized
                                  : window->isMinimized() ? WindowShowState::Minimized
                                                          : WindowShowState::Normal;
    const bool unmoved = window->geometry() == Twips::toPixels(previous.rect());
    return previous.RecordWindowPlacement(state,
                                          unmoved ? previous.rect() : Twips::fromPixels(window->geometry()));
}
