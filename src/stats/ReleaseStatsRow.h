#pragma once

#include "history/HistoryLines.h"

#include <QDebug>
#include <QString>

// One release in the statistics: the texts of its header line, its label and its counts.
struct ReleaseStatsRow
{
    QString key; // "k" plus the header's line index, as the main window names releases
    LineIndex headerLine{0};
    QString dayText;      // empty when the header carries no date
    QString sortableDate; // "yyyy MM dd", empty when the header carries no date
    QString label;
    qint64 additions = 0;
    qint64 fixes = 0;

    bool operator==(const ReleaseStatsRow &) const = default;
};

QDebug operator<<(QDebug debug, const ReleaseStatsRow &row);
