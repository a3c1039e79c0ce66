#include "ProbeWindow.h"

#include "app/frmMain.h"
#include "settings/Globals.h"
#include "settings/cProfile.h"

ProbeWindow::ProbeWindow(const QString &path)
{
    Globals &g = globals();
    InitGlobals();
    g.AppDir = m_dir.path() + QLatin1Char('/');
    g.IniFilePath = m_dir.filePath(QStringLiteral("velomir.ini"));
    g.FileManagerDir = g.MissingValueMarker;
    m_profile = std::make_unique<cProfile>();
    m_window = std::make_unique<frmMain>(*m_profile, StartOptions{path, QString()});
    m_window->resize(900, 600);
}

ProbeWindow::~ProbeWindow() = default;
