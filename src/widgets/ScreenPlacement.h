#pragma once

#include "widgets/WindowPlacement.h"

#include <QList>
#include <QRectF>

class QWidget;

// Windows between their stored placement (twips) and the screens (pixels). The main window and
// the statistics window are placed and recorded the same way.
namespace ScreenPlacement {

// The available area of every screen in twips, the primary screen first.
QList<QRectF> availableScreens();

// Places `window` by `placement`: moved onto the primary screen when it lies wholly outside every
// screen, then maximised when the placement says so. Returns the placement used.
WindowPlacement place(QWidget *window, WindowPlacement placement);

// The placement of `window` as it stands now. A window still where `previous` put it keeps those
// twips, so that a size that is no whole number of pixels does not creep at every exit.
WindowPlacement record(const QWidget *window, const WindowPlacement &previous);

} // namespace ScreenPlacement
