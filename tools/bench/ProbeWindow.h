#pragma once

#include "settings/ProfilePaths.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

class CurrentDisplaySettings;
class cProfile;
class ProfileSettingsStore;
class frmMain;

// The main window on one history as a first run opens it: a settings file of its own in a
// temporary folder, the file manager not looked for. For the probes that run in a child process.
class ProbeWindow
{
public:
    explicit ProbeWindow(const QString &path);
    ~ProbeWindow();
    ProbeWindow(const ProbeWindow &) = delete;
    ProbeWindow &operator=(const ProbeWindow &) = delete;

    frmMain &window() { return *m_window; }

private:
    QTemporaryDir m_dir;
    ProgramPaths m_paths;
    std::unique_ptr<cProfile> m_profile;
    std::unique_ptr<ProfileSettingsStore> m_settings;
    std::unique_ptr<CurrentDisplaySettings> m_display;
    std::unique_ptr<frmMain> m_window;
};
