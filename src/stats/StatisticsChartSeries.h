#pragma once

#include "history/HistoryLines.h"
#include "stats/ReleaseStatsRow.h"
#include "stats/WeekdayCounts.h"

#include <QDebug>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What the statistics charts draw, made from the very numbers the two lists show, so that a chart
// never tells another count than its list.
class StatisticsChartSeries
{
public:
    struct WeekdayBar
    {
        QString dayName;
        qint64 additions = 0;
        qint64 fixes = 0;
        bool operator==(const WeekdayBar &) const = default;
    };

    struct ReleasePoint
    {
        QString key;
        QString label;
        QString dayText;
        QString sortableDate; // "yyyy MM dd", empty when the header carries no date
        qint64 additions = 0;
        qint64 fixes = 0;
        bool selected = false;
        bool operator==(const ReleasePoint &) const = default;
    };

    // Sunday to Saturday from the weekday counts of the selected releases. The lines whose day
    // text names no weekday get no bar, as they get no row in the weekday list.
    static std::vector<WeekdayBar> weekdayBars(const WeekdayCounts &counts, const QStringList &dayNames);

    // Every release row (as CalcStatistics2 left them, in file order) once, oldest first, those
    // whose header lines are among selectedHeaders marked.
    //
    // Oldest first: a file whose dated headers mostly fall from one to the next lists its newest
    // release first and is read bottom up, any other file top down. Dated releases then go in date
    // order; a release without a date stays just after the release read before it (the first ones
    // when it is read before every dated release), so undated releases keep their file order.
    static std::vector<ReleasePoint> releasePoints(const std::vector<ReleaseStatsRow> &rows,
                                                   const std::vector<LineIndex> &selectedHeaders);

    // The point under `x` on an axis where point i stands at firstX + i and owns the half step on
    // either side; halfway between two points belongs to the later one. None beyond the outer
    // half steps.
    static std::optional<std::size_t> pointAt(qreal x, qreal firstX, std::size_t count);

    // What hovering a point tells: the release's label, its day and date as the release list shows
    // them (no line when the header has no date) and its counts; the weekday's name and counts.
    static QString releaseTip(const ReleasePoint &point, const QString &dateFormat);
    static QString weekdayTip(const WeekdayBar &bar);
};

QDebug operator<<(QDebug debug, const StatisticsChartSeries::WeekdayBar &bar);
QDebug operator<<(QDebug debug, const StatisticsChartSeries::ReleasePoint &point);
