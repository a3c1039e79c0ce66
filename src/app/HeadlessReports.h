#pragma once

#include "settings/ProfilePaths.h"

#include <QString>

class QIODevice;
struct CommandLine;
struct DisplaySettings;
struct HistoryDocument;

// Runs the report the command line asks for: settings are only read, output is UTF-8 with tab
// separated fields. Returns the exit status.
int runHeadlessReport(const CommandLine &line, const ProgramPaths &paths);

// The report of a loaded history, written to `device` as it is made. A usage error found in the
// history (a release key or a --since label it does not have) is said on standard error before
// anything is written. `lastSeenLabel`: the release remembered as seen, for --release new.
// Returns the exit status.
int runReport(const CommandLine &line, const HistoryDocument &document, const DisplaySettings &settings,
              QIODevice &device, const QString &lastSeenLabel = {});
