#pragma once

#include "settings/ProfilePaths.h"

class QIODevice;
struct CommandLine;
struct DisplaySettings;
struct HistoryDocument;

// Runs the report the command line asks for: settings are only read, output is UTF-8 with tab
// separated fields. Returns the exit status.
int runHeadlessReport(const CommandLine &line, const ProgramPaths &paths);

// The report of a loaded history, written to `device` as it is made. A usage error found in the
// history (a release key it does not have) is said on standard error before anything is written.
// Returns the exit status.
int runReport(const CommandLine &line, const HistoryDocument &document, const DisplaySettings &settings,
              QIODevice &device);
