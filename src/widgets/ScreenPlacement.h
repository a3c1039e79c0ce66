#pragma once

#include "widgets/WindowPlacement.h"

#include <QList>
#include <QMargins>
#include <QRectF>

class QWidget;

// Windows between their stored placement (twips) and the screens (pixels). The main window and
// the statistics window are placed and recorded the same way; the dialogs that centre themselves
// are kept on the screen the same way.
namespace ScreenPlacement {

// The available area of every screen in twips, the primary screen first.
QList<QRectF> availableScreens();

// What the window system's frame (title bar, borders) adds around `window`, in pixels: the
// window's own frame once it has one, else the frame of the window that owns it, else a guess
// from the style, so that a window placed before it is shown still keeps its title bar in reach.
QMargins frameMargins(const QWidget *window);

// Places `window` by `placement`: moved onto the primary screen when it lies wholly outside every
// screen, then, frame included, moved and shrunk onto the available area of a screen when it does
// not fit there, and finally maximised when the placement says so. Returns the placement used.
WindowPlacement place(QWidget *window, WindowPlacement placement);

// Moves and shrinks `window`, frame included, onto the available area of a screen when it does
// not fit there as it stands; a window that fits is left alone.
void keepOnScreen(QWidget *window);

// The placement of `window` as it stands now. A window still where `previous` put it keeps those
// twips, so that a size that is no whole number of pixels does not creep at every exit.
WindowPlacement record(const QWidget *window, const WindowPlacement &previous);

} // namespace ScreenPlacement
