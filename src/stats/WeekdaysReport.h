#pragma once

#include "history/HistoryDocument.h"
#include "history/ReportOutput.h"

#include <QString>
#include <QStringList>

#include <vector>

// The weekday table of the releases whose header lines are given (one named twice counts once)
// for the command line, UTF-8: seven lines "<day name>\t<additions>\t<fixes>\t<headers>\n",
// Sunday first, then the line "Total\t..." summing the seven. Lines on no weekday are left out of
// the total as of the rows.
void weekdaysReport(const HistoryDocument &document, std::vector<LineIndex> releaseHeaders,
                    const QStringList &versionDetectList, const QString &dayFormat, ReportOutput &out);
