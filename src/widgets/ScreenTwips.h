#pragma once

class QScreen;

// Twips per pixel of a screen: 1440 twips make an inch, so 15 at 96 logical dots per inch.
int twipsPerPixelX(const QScreen *screen);
int twipsPerPixelY(const QScreen *screen);

// Stores the primary screen's twips per pixel in globals(), once at start-up.
void initTwipsPerPixel();
