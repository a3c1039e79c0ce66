#pragma once

class QScreen;

// Twips per pixel of a screen: 1440 twips make an inch, so 15 at 96 logical dots per inch; 15
// without a screen.
int twipsPerPixelX(const QScreen *screen);
int twipsPerPixelY(const QScreen *screen);
