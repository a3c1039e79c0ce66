#pragma once

#include "history/HistoryDocument.h"
#include "history/ReportOutput.h"

// The headless release report, UTF-8: one line per release in file order,
// "<key>\t<label>\t<additions>\t<fixes>\n", counting the lines each release owns by kind.
// A tab inside a label is written as a blank so that the fields stay apart.
void releasesReport(const HistoryDocument &document, ReportOutput &out);
