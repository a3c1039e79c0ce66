#pragma once

#include "history/ChangesList.h"
#include "history/ReportOutput.h"

#include <QString>

// The rows the changes list would show for the view, as UTF-8 text for the command line:
// one row per line "<day>\t<date>\t<change>\n" (the separate-column form whatever the display
// setting, header row included), then "# " and the status bar's counts.
void changesReport(const HistoryDocument &document, const ChangesView &view, const QString &dayFormat,
                   const QString &dateFormat, ReportOutput &out);
