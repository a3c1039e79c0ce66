#include "stats/WeekdaysReport.h"

#include "stats/StatisticsComputation.h"

#include <algorithm>

void weekdaysReport(const HistoryDocument &document, std::vector<LineIndex> releaseHeaders,
                    const QStringList &versionDetectList, const QString &dayFormat, ReportOutput &out)
{
    std::sort(releaseHeaders.begin(), releaseHeaders.end());
    releaseHeaders.erase(std::unique(releaseHeaders.begin(), releaseHeaders.end()), releaseHeaders.end());

    const WeekdayCounts counts = CalcStatistics(document, releaseHeaders, versionDetectList, dayFormat);
    const QStringList names = DayNames(dayFormat);
    qint64 additions = 0;
    qint64 fixes = 0;
    qint64 releaseHeaderCount = 0;
    const auto row = [&out](const QString &name, qint64 a, qint64 f, qint64 h) {
        out << name << '\t' << a << '\t' << f << '\t' << h << '\n';
    };
    for (int k = WeekdayCounts::Sunday; k <= WeekdayCounts::Saturday; ++k) {
        row(names[k - 1], counts.additions[k], counts.fixes[k], counts.headers[k]);
        additions += counts.additions[k];
        fixes += counts.fixes[k];
        releaseHeaderCount += counts.headers[k];
    }
    row(QStringLiteral("Total"), additions, fixes, releaseHeaderCount);
}
