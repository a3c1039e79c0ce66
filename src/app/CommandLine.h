#pragma once

#include "history/ChangesView.h"
#include "search/SearchRule.h"

#include <QString>
#include <QStringList>

// What the command line asks for: the viewer, or one of the headless reports. Every value is
// checked and read here, once; a line that names an option its mode does not take is an error.
struct CommandLine
{
    enum class Mode { Viewer, Releases, Changes, Find, Weekdays, Help, Version };

    Mode mode = Mode::Viewer;
    QString iniPath;      // --ini PATH: the settings file, named outright
    QString file;         // the history file; empty: look for the file manager's
    QString fallbackFile; // --fallback FILE: opened when no history is found, before asking

    // --release: the keys named in order, without "all", which sets allReleases instead.
    // --changes takes one (none: the first release); --weekdays any number (none: every release).
    QStringList releaseKeys;
    bool allReleases = false;
    // --changes: the releases new since last time, above the one remembered as seen (--release
    // new) or above the one labelled sinceLabel (--since LABEL).
    bool newReleases = false;
    QString sinceLabel;
    ViewFilter filter = ViewFilter::AllChanges; // --changes
    bool reversed = false;                      // --changes

    QString text;                             // --find: the text searched for, never empty
    SearchIn searchIn = SearchIn::Everywhere; // --find
    bool wholeWord = false;                   // --find

    QString error; // a usage error; empty when the line was understood

    bool isHeadless() const { return mode != Mode::Viewer && mode != Mode::Help && mode != Mode::Version; }
};

// Reads the arguments after the program name.
CommandLine parseCommandLine(const QStringList &arguments);

QString commandLineUsage();
// What --version prints: the program's name and version, one line.
QString versionLine();
