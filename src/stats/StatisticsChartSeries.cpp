#include "stats/StatisticsChartSeries.h"

#include "history/ChangesList.h"
#include "history/ShownText.h"
#include "stats/StatisticsComputation.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

namespace {

using ReleasePoint = StatisticsChartSeries::ReleasePoint;

// True when going down the file the dated headers fall more often than they rise.
bool newestFirst(const std::vector<ReleaseStatsRow> &rows)
{
    int rising = 0;
    int falling = 0;
    const QString *previous = nullptr;
    for (const ReleaseStatsRow &row : rows) {
        if (row.sortableDate.isEmpty())
            continue;
        if (previous) {
            rising += row.sortableDate > *previous;
            falling += row.sortableDate < *previous;
        }
        previous = &row.sortableDate;
    }
    return falling > rising;
}

} // namespace

std::vector<StatisticsChartSeries::WeekdayBar> StatisticsChartSeries::weekdayBars(const WeekdayCounts &counts,
                                                                                  const QStringList &dayNames)
{
    std::vector<WeekdayBar> bars;
    bars.reserve(WeekdayCounts::Saturday);
    for (int k = WeekdayCounts::Sunday; k <= WeekdayCounts::Saturday; ++k) {
        const auto day = static_cast<std::size_t>(k);
        bars.push_back({dayNames.value(k - 1), counts.additions[day], counts.fixes[day]});
    }
    return bars;
}

std::vector<ReleasePoint> StatisticsChartSeries::releasePoints(const std::vector<ReleaseStatsRow> &rows,
                                                               const std::vector<LineIndex> &selectedHeaders)
{
    const std::unordered_set<LineIndex> selected(selectedHeaders.begin(), selectedHeaders.end());
    struct Placed
    {
        QString when; // the own date, or the one of the dated release read before it
        const ReleaseStatsRow *row;
    };
    std::vector<Placed> placed;
    placed.reserve(rows.size());
    QString when;
    const auto place = [&](const ReleaseStatsRow &row) {
        if (!row.sortableDate.isEmpty())
            when = row.sortableDate;
        placed.push_back({when, &row});
    };
    if (newestFirst(rows))
        std::for_each(rows.rbegin(), rows.rend(), place);
    else
        std::for_each(rows.begin(), rows.end(), place);
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Placed &a, const Placed &b) { return a.when < b.when; });

    std::vector<ReleasePoint> points;
    points.reserve(placed.size());
    for (const Placed &p : placed) {
        const ReleaseStatsRow &row = *p.row;
        points.push_back({row.key, row.label, row.dayText, row.sortableDate, row.additions, row.fixes,
                          selected.count(row.headerLine) != 0});
    }
    return points;
}

std::optional<std::size_t> StatisticsChartSeries::pointAt(qreal x, qreal firstX, std::size_t count)
{
    const qreal step = std::floor(x - firstX + 0.5);
    // Also false for a NaN, which a chart without a plot area can give.
    if (!(step >= 0 && step < static_cast<qreal>(count)))
        return std::nullopt;
    return static_cast<std::size_t>(step);
}

QString StatisticsChartSeries::releaseTip(const ReleasePoint &point, const QString &dateFormat)
{
    QStringList lines{shownText(point.label)};
    const QString date = releaseDateText(point.sortableDate, dateFormat);
    if (!date.isEmpty())
        lines << QStringList{point.dayText, date}.join(u' ').trimmed();
    lines << changesStatusText(ViewFilter::AllChanges, static_cast<int>(point.additions),
                               static_cast<int>(point.fixes));
    return lines.join(u'\n');
}

QString StatisticsChartSeries::weekdayTip(const WeekdayBar &bar)
{
    return bar.dayName + u'\n' +
           changesStatusText(ViewFilter::AllChanges, static_cast<int>(bar.additions),
                             static_cast<int>(bar.fixes));
}

QDebug operator<<(QDebug debug, const StatisticsChartSeries::WeekdayBar &bar)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "WeekdayBar(" << bar.dayName << ", " << bar.additions << ", " << bar.fixes << ')';
    return debug;
}

QDebug operator<<(QDebug debug, const StatisticsChartSeries::ReleasePoint &point)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ReleasePoint(" << point.key << ", " << point.label << ", " << point.dayText << ", "
                    << point.sortableDate << ", " << point.additions << ", " << point.fixes
                    << (point.selected ? ", selected" : "") << ')';
    return debug;
}
