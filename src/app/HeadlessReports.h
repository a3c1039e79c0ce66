#pragma once

struct CommandLine;

// Runs the report the command line asks for: settings are only read, output is UTF-8 with tab
// separated fields. Returns the exit status.
int runHeadlessReport(const CommandLine &line);
