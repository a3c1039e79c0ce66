#pragma once

#include "history/HistoryDocument.h"
#include "history/ReportOutput.h"
#include "search/SearchRule.h"

#include <QString>

// The headless find report: one line per match in ascending line order, "<line number from 1>",
// a tab and the line as stored (decoded), then "# <n> instance(s) found". UTF-8, lines ended by LF.
void findReport(const HistoryDocument &document, const QString &text, SearchIn searchIn, bool wholeWord,
                ReportOutput &out);
