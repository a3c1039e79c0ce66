#pragma once

#include <QList>
#include <QRectF>

// Makes a window's placement fit the screens. `screens` are the available areas (without task
// bars and panels) in the placement's own unit, the primary screen first.
//
// A placement that the available areas cover wholly, on one screen or across several, is kept.
// Any other is moved onto the screen it covers most (the primary when it covers none) and shrunk
// to that screen's available area where it is larger: a window stored at a smaller scale, or on
// a larger screen, opens with its title bar and buttons within reach.
//
// The rectangle is the window with its frame; a caller that places the inner area passes the
// areas less the frame's margins.
QRectF fittedToScreens(const QRectF &window, const QList<QRectF> &screens);
