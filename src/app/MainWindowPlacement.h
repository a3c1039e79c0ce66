#pragma once

#include "app/WindowPlacement.h"

class QWidget;
class SettingsStore;

// The main window's placement between the settings (twips) and the screen (pixels).
namespace MainWindowPlacement {
// Reads the stored placement, keeps it on a screen, and places and maximises `window` by it.
WindowPlacement restore(QWidget *window, SettingsStore &store);
// Takes the window's normal placement into `placement` and writes it.
void record(const QWidget *window, WindowPlacement &placement, SettingsStore &store);
} // namespace MainWindowPlacement
