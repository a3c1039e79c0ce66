#include "stats/WeekdaysReport.h"

#include "stats/StatisticsComputation.h"

#include <algorithm>

WeekdaysReportResult weekdaysReport(const HistoryDocument &document, const QStringList &releaseKeys,
                                    const QStringList &versionDetectList, const QString &dayFormat)
{
    std::vector<LineIndex> headers;
    if (releaseKeys.isEmpty()) {
        for (const Release &release : document.releases)
            headers.push_back(release.headerLine);
    }
    for (const QString &key : releaseKeys) {
        const int release = document.releaseIndexOfKey(key);
        if (release < 0)
            return {false, {}, QStringLiteral("No release has the key \"%1\".").arg(key)};
        headers.push_back(document.releases[release].headerLine);
    }

    // A release named twice still counts once.
    std::sort(headers.begin(), headers.end());
    headers.erase(std::unique(headers.begin(), headers.end()), headers.end());

    const WeekdayCounts counts = CalcStatistics(document, headers, versionDetectList, dayFormat);
    const QStringList names = DayNames(dayFormat);
    QByteArray text;
    qint64 additions = 0;
    qint64 fixes = 0;
    qint64 releaseHeaders = 0;
    const auto row = [&text](const QString &name, qint64 a, qint64 f, qint64 h) {
        text += name.toUtf8() + '\t' + QByteArray::number(a) + '\t' + QByteArray::number(f) + '\t' +
                QByteArray::number(h) + '\n';
    };
    for (int k = WeekdayCounts::Sunday; k <= WeekdayCounts::Saturday; ++k) {
        row(names[k - 1], counts.additions[k], counts.fixes[k], counts.headers[k]);
        additions += counts.additions[k];
        fixes += counts.fixes[k];
        releaseHeaders += counts.headers[k];
    }
    row(QStringLiteral("Total"), additions, fixes, releaseHeaders);
    return {true, text, {}};
}
