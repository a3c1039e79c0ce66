#include "widgets/ScreenPlacement.h"

#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QList<QRectF> ScreenPlacement::availableScreens()
{
    QList<QRectF> screens;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        screens << Twips::fromPixels(primary->availableGeometry());
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens << Twips::fromPixels(screen->availableGeometry());
    }
    return screens;
}

WindowPlacement ScreenPlacement::place(QWidget *window, WindowPlacement placement)
{
    const QList<QRectF> screens = availableScreens();
    if (!screens.isEmpty())
        placement = placement.keptOnScreen(screens);
    window->setGeometry(Twips::toPixels(placement.rect()));
    if (placement.Maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return placement;
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
