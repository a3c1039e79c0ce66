#pragma once

#include "app/frmMain.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/cProfile.h"

#include <memory>

struct CommandLine;

// Starts the viewer, or prints a headless report when the command line asks for one.
int velomirMain(int argc, char *argv[]);

// The viewer as start-up leaves it before the window is shown: what the program holds for the run
// (where its files are, the profile store, the one settings object, the display settings in force)
// and the main window that uses them, declared after them so that it goes first.
struct StartedViewer
{
    std::unique_ptr<ProgramPaths> paths;
    std::unique_ptr<cProfile> profile;
    std::unique_ptr<ProfileSettingsStore> settings;
    std::unique_ptr<CurrentDisplaySettings> display;
    std::unique_ptr<frmMain> window;
};

// The viewer's start-up once the application exists: fixes the settings file, makes the settings
// object, finds the file manager's folder and builds the main window, which opens its first file
// when shown.
StartedViewer startViewer(const CommandLine &line);
