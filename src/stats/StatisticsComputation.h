#pragma once

#include "history/HistoryDocument.h"
#include "stats/ReleaseStatsRow.h"
#include "stats/WeekdayCounts.h"

#include <QString>
#include <QStringList>

#include <vector>

// Counting additions, fixes and release headers per release and per weekday. Every count comes
// from the kinds classified at load, so a pass over a million lines never matches a pattern.

// n in decimal, "#"-padded on the left to six characters; only the last six are kept, so counts
// of a million or more lose their leading digits (which is why the lists sort by the number).
QString PaddedCount(qint64 n);

// The day texts of Sunday 1 May 2011 to Saturday 7 May 2011 in the given day format.
QStringList DayNames(const QString &dayFormat);

// A header's "yyyy MM dd" date in the user's date format; empty for a header without a date.
QString releaseDateText(const QString &sortableDate, const QString &dateFormat);

// One row per release in file order: key, header line, day and sortable date of the header
// line, label; counts 0 until CalcStatistics2.
std::vector<ReleaseStatsRow> GetVersionList(const HistoryDocument &document, const QString &dayFormat);

// Fills the counts of every row from the lines of its release, header line included. A row whose
// release the document no longer has keeps its counts.
void CalcStatistics2(const HistoryDocument &document, std::vector<ReleaseStatsRow> &rows);

// The weekday counts over the releases whose header lines are given. An addition counts as an
// addition, else a fix as a fix, else a non-empty line holding any entry of versionDetectList
// counts as a header, but only on a real weekday.
WeekdayCounts CalcStatistics(const HistoryDocument &document, const std::vector<LineIndex> &releaseHeaders,
                             const QStringList &versionDetectList, const QString &dayFormat);
