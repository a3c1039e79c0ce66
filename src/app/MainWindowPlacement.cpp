#include "app/MainWindowPlacement.h"

#include "mainwin/SettingsStore.h"
#include "settings/Globals.h"
#include "settings/cProfile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QRectF twipsRect(const QRect &pixels)
{
    const int x = globals().TwipsPerPixelX;
    const int y = globals().TwipsPerPixelY;
    return QRectF(pixels.x() * x, pixels.y() * y, pixels.width() * x, pixels.height() * y);
}

QRect pixelRect(const QRectF &twips)
{
    const double x = globals().TwipsPerPixelX;
    const double y = globals().TwipsPerPixelY;
    return QRect(qRound(twips.left() / x), qRound(twips.top() / y), qRound(twips.width() / x),
                 qRound(twips.height() / y));
}
} // namespace

WindowPlacement MainWindowPlacement::restore(QWidget *window, SettingsStore &store)
{
    WindowPlacement placement =
        WindowPlacement::LoadWindowPlacement([&store](const QString &key, const QString &defaultValue) {
            return store.read(SectionVelomir, key, defaultValue);
        });
    QList<QRectF> screens;
    QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        screens << twipsRect(primary->availableGeometry());
    for (QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            screens << twipsRect(screen->availableGeometry());
    }
    if (!screens.isEmpty())
        placement = placement.keptOnScreen(screens);
    window->setGeometry(pixelRect(placement.rect()));
    if (placement.Maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return placement;
}

void MainWindowPlacement::record(const QWidget *window, WindowPlacement &placement, SettingsStore &store)
{
    const WindowShowState state = window->isMaximized()   ? WindowShowState::Maximized
                                  : window->isMinimized() ? WindowShowState::Minimized
                                                          : WindowShowState::Normal;
    // A window still where the stored twips put it keeps them: a size that is no whole number of
    // pixels would otherwise creep by a pixel's worth at every exit.
    const bool unmoved = window->geometry() == pixelRect(placement.rect());
    placement =
        placement.RecordWindowPlacement(state, unmoved ? placement.rect() : twipsRect(window->geometry()));
    placement.SaveWindowPlacement(
        [&store](const QString &key, const QString &value) { store.write(SectionVelomir, key, value); });
}
