#include "app/Application.h"

#include "app/CommandLine.h"
#include "app/FileManagerLocation.h"
#include "app/HeadlessReports.h"
#include "app/cRegistry.h"
#include "app/frmMain.h"
#include "mainwin/CurrentDisplaySettings.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/cProfile.h"
#include "widgets/Twips.h"

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

// The settings file, fixed before the store is made: --ini, else beside the program, else per user.
std::unique_ptr<ProgramPaths> settingsPaths(const CommandLine &line)
{
    auto paths = std::make_unique<ProgramPaths>();
    paths->AppDir = programDirectory();
    paths->IniFilePath = chooseIniFilePath(
        line.iniPath, paths->AppDir, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
        QStringLiteral(VELOMIR_INSTALL_BINDIR));
    return paths;
}

void findFileManager(ProgramPaths &paths, SettingsStore &settings)
{
    // Unknown until found: the placeholder in a registry value is left to the environment.
    paths.FileManagerDir.clear();
    cRegistry registry;
    FileManagerDirSources sources = systemFileManagerDirSources(registry, missingValueMarker());
    sources.expandPath = [&paths](const QString &path) { return ExpandPath(path, paths); };
    sources.addBackslash = [](const QString &path) { return AddBackslash(path); };
    sources.readStoredDir = [&settings](const QString &defaultValue) {
        return settings.read(SectionCommon, TCInstallDirKey, defaultValue);
    };
    sources.writeStoredDir = [&settings](const QString &value) {
        settings.write(SectionCommon, TCInstallDirKey, value);
    };
    paths.FileManagerDir = FindFileManagerDir(sources);
}
} // namespace

StartedViewer startViewer(const CommandLine &line)
{
    StartedViewer started;
    started.paths = settingsPaths(line);
    started.profile = std::make_unique<cProfile>(*started.paths);
    started.settings = std::make_unique<ProfileSettingsStore>(*started.profile);
    findFileManager(*started.paths, *started.settings);
    started.paths->UnExpandPaths =
        clampUnExpandPaths(started.settings->read(SectionCommon, KeyUnExpandPaths, QStringLiteral("3")));
    started.display = std::make_unique<CurrentDisplaySettings>(
        LoadDisplaySettings(*started.settings, {Twips::perPixelX(), Twips::perPixelY()}));
    // The command line is taken as the platform delivered it, quotes already removed.
    started.window = std::make_unique<frmMain>(*started.settings, *started.display,
                                               StartOptions{line.file, line.fallbackFile});
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
        return runHeadlessReport(line, *settingsPaths(line));
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    // The desktop entry's name ties the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELOMIR_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/" VELOMIR_APP_ID ".svg")));
    const StartedViewer viewer = startViewer(line);
    viewer.window->show();
    return QApplication::exec();
}
