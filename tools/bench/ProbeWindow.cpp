#include "ProbeWindow.h"

#include "app/frmMain.h"
#include "settings/Globals.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/cProfile.h"

ProbeWindow::ProbeWindow(const QString &path)
{
    m_paths.AppDir = m_dir.path() + QLatin1Char('/');
    m_paths.IniFilePath = m_dir.filePath(QStringLiteral("velomir.ini"));
    m_paths.FileManagerDir = missingValueMarker();
    m_profile = std::make_unique<cProfile>(m_paths);
    m_settings = std::make_unique<ProfileSettingsStore>(*m_profile);
    m_display = std::make_unique<CurrentDisplaySettings>(LoadDisplaySettings(*m_settings));
    m_window = std::make_unique<frmMain>(*m_settings, *m_display, StartOptions{path, QString()});
    m_window->resize(900, 600);
}

ProbeWindow::~ProbeWindow() = default;
