#pragma once

#include "history/HistoryDocument.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct WeekdaysReportResult
{
    bool ok = false;
    QByteArray text; // the report when ok
    QString error;   // names the release key that is not in the history otherwise
};

// The weekday table of the given releases (all when none is given) for the command line, UTF-8:
// seven lines "<day name>\t<additions>\t<fixes>\t<headers>\n", Sunday first, then the line
// "Total\t..." summing the seven. Lines on no weekday are left out of the total as of the rows.
[[nodiscard]] WeekdaysReportResult weekdaysReport(const HistoryDocument &document,
                                                  const QStringList &releaseKeys,
                                                  const QStringList &versionDetectList,
                                                  const QString &dayFormat);
