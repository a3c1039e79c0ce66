#pragma once

#include "app/frmMain.h"
#include "settings/cProfile.h"

#include <memory>

struct CommandLine;

// Starts the viewer, or prints a headless report when the command line asks for one.
int velomirMain(int argc, char *argv[]);

// The viewer as start-up leaves it before the window is shown: the one settings store and the
// main window that uses it (declared after it, so it goes first).
struct StartedViewer
{
    std::unique_ptr<cProfile> profile;
    std::unique_ptr<frmMain> window;
};

// The viewer's start-up once the application and the globals exist: fixes the settings file,
// makes the settings store, finds the file manager's folder and builds the main window, which
// opens its first file when shown.
StartedViewer startViewer(const CommandLine &line);
