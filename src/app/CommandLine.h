#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for: the viewer, or one of the headless reports.
struct CommandLine
{
    enum class Mode { Viewer, Releases, Changes, Find, Weekdays, Help, Version };

    Mode mode = Mode::Viewer;
    QString iniPath;      // --ini PATH: the settings file, named outright
    QString file;         // the history file; empty: look for the file manager's
    QString fallbackFile; // --fallback FILE: opened when no history is found, before asking

    QString release;                        // --changes: a release key, "all", or empty for the first
    QString filter = QStringLiteral("all"); // --changes: all, additions or fixes
    bool reversed = false;                  // --changes

    QString text;                                    // --find: the text searched for
    QString searchIn = QStringLiteral("everywhere"); // --find: everywhere, additions or fixes
    bool wholeWord = false;                          // --find

    QStringList releases; // --weekdays: the releases counted; all when empty

    QString error; // a usage error; empty when the line was understood

    bool isHeadless() const { return mode != Mode::Viewer && mode != Mode::Help && mode != Mode::Version; }
};

// Reads the arguments after the program name.
CommandLine parseCommandLine(const QStringList &arguments);

QString commandLineUsage();
// What --version prints: the program's name and version, one line.
QString versionLine();
