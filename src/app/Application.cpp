#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/FileManagerLocation.h"
#include "app/HeadlessReports.h"
#include "app/cRegistry.h"
#include "app/frmMain.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"
#include "settings/cProfile.h"
#include "widgets/ScreenTwips.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

namespace {
QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Fixes the settings file before the store is made: --ini, else beside the program, else per user.
void fixSettingsFile(const CommandLine &line)
{
    Globals &g = globals();
    g.AppDir = programDirectory();
    g.IniFilePath = chooseIniFilePath(line.iniPath, g.AppDir,
                                      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                                      QStringLiteral(VELOMIR_INSTALL_BINDIR));
}

void findFileManager(cProfile &profile)
{
    Globals &g = globals();
    // Unknown until found: the placeholder in a registry value is left to the environment.
    g.FileManagerDir.clear();
    cRegistry registry;
    FileManagerDirSources sources = systemFileManagerDirSources(registry, g.MissingValueMarker);
    sources.expandPath = [](const QString &path) { return ExpandPath(path); };
    sources.addBackslash = [](const QString &path) { return AddBackslash(path); };
    sources.readStoredDir = [&profile](const QString &defaultValue) {
        return profile.ReadValue(SectionCommon, TCInstallDirKey, defaultValue, globals().IniFilePath);
    };
    sources.writeStoredDir = [&profile](const QString &value) {
        profile.WriteValue(SectionCommon, TCInstallDirKey, value, globals().IniFilePath);
    };
    g.FileManagerDir = FindFileManagerDir(sources);
}
} // namespace

StartedViewer startViewer(const CommandLine &line)
{
    fixSettingsFile(line);
    StartedViewer started;
    started.profile = std::make_unique<cProfile>();
    findFileManager(*started.profile);
    // The command line is taken as the platform delivered it, quotes already removed.
    started.window = std::make_unique<frmMain>(*started.profile, StartOptions{line.file, line.fallbackFile});
    return started;
}

int velomirMain(int argc, char *argv[])
{
    const CommandLine line = parseCommandLine(argumentsOf(argc, argv));
    if (!line.error.isEmpty()) {
        std::fputs(qPrintable(QStringLiteral("velomir: %1\n%2").arg(line.error, commandLineUsage())), stderr);
        return 2;
    }
    if (line.mode == CommandLine::Mode::Help) {
        std::fputs(qPrintable(commandLineUsage()), stdout);
        return 0;
    }
    if (line.mode == CommandLine::Mode::Version) {
        std::fputs(qPrintable(versionLine()), stdout);
        return 0;
    }
    if (line.isHeadless()) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(ProgramTitle);
        InitGlobals();
        fixSettingsFile(line);
        return runHeadlessReport(line);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    // The desktop entry's name ties the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELOMIR_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/" VELOMIR_APP_ID ".svg")));
    InitGlobals();
    initTwipsPerPixel();
    const StartedViewer viewer = startViewer(line);
    viewer.window->show();
    return QApplication::exec();
}
