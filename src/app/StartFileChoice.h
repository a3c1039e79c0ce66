#pragma once

#include "settings/ProfilePaths.h"

#include <QDebug>
#include <QString>

#include <functional>

// Which file start-up opens first, and why.
enum class StartFileSource {
    DefaultHistory, // "History.txt" in the file manager's folder
    CommandLine,    // the file named on the command line
    LastFile,       // the file opened last time ("LastFile")
    OpenDialog,     // none of them exists: the user picks one
};

// How the program was started: the file named on the command line, and the one to fall back on.
struct StartOptions
{
    QString commandLineFile;
    QString fallbackFile;
};

struct StartFileInputs
{
    QString missingValueMarker;
    QString commandLine;    // the one argument as the platform delivered it; empty when none
    QString fileManagerDir; // ends in a separator, or is the marker
    QString lastFile;       // "LastFile" as stored, the marker when absent
    std::function<QString(const QString &)> expandPath;
    std::function<bool(const QString &)> fileExists;
};

struct StartFileChoice
{
    StartFileSource source = StartFileSource::OpenDialog;
    QString path; // empty for OpenDialog

    bool operator==(const StartFileChoice &) const = default;

    // The candidate named by the command line (or the default history file), else "LastFile",
    // else the open dialog. "%Commander_Path%" in either path is expanded, so the file
    // manager's folder must be known before this is asked. Each file is found whatever the case
    // of its name and folders (findCaseBlind): the file manager ships "HISTORY.TXT".
    static StartFileChoice choose(const StartFileInputs &inputs);
    // The same for this run: the file manager's folder and the existence test of the system, and
    // the --fallback file (taken as named on the command line) before the open dialog.
    // `storedLastFile` is "LastFile" as read, the marker when absent.
    static StartFileChoice atStart(const StartOptions &options, const QString &storedLastFile,
                                   const ProgramPaths &paths);
};

QDebug operator<<(QDebug debug, const StartFileChoice &choice);
