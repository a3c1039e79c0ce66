#include "stats/StatisticsComputation.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <optional>
#include <vector>

#include "history/LineRules.h"
#include "stats/WeekdayIndexer.h"
#include "text/TextFinder.h"

namespace {

constexpr int PaddedWidth = 6;

// The release texts, searched in the bytes of a line in the history's encoding without making a
// string of it.
class ReleaseTexts
{
public:
    ReleaseTexts(const QStringList &texts, TextEncoding encoding)
    {
        m_finders.reserve(static_cast<std::size_t>(texts.size()));
        for (const QString &t : texts) {
            if (!t.isEmpty())
                m_finders.emplace_back(t, encoding);
        }
    }

    bool occurIn(const LineText &line) const
    {
        return std::any_of(m_finders.begin(), m_finders.end(),
                           [&line](const TextFinder &finder) { return finder.contains(line); });
    }

private:
    std::vector<TextFinder> m_finders;
};

} // namespace

QString PaddedCount(qint64 n)
{
    return (QString(PaddedWidth, u'#') + QString::number(n)).right(PaddedWidth);
}

QStringList DayNames(const QString &dayFormat)
{
    // Made through the system locale's calendar, which is slow, and asked for once per release
    // counted: the names of the last format are kept.
    thread_local QString lastFormat;
    thread_local QStringList names;
    if (names.isEmpty() || dayFormat != lastFormat) {
        names.clear();
        for (int k = 1; k <= 7; ++k)
            names << GetDayText(QStringLiteral("0%1.05.11").arg(k), dayFormat);
        lastFormat = dayFormat;
    }
    return names;
}

QString releaseDateText(const QString &sortableDate, const QString &dateFormat)
{
    const QDate date = QDate::fromString(sortableDate, QStringLiteral("yyyy MM dd"));
    return date.isValid() ? QLocale::system().toString(date, dateFormat) : QString();
}

std::vector<ReleaseStatsRow> GetVersionList(const HistoryDocument &document, const QString &dayFormat)
{
    std::vector<ReleaseStatsRow> rows;
    rows.reserve(document.releases.size());
    for (const Release &release : document.releases) {
        const QString header = datePart(document.lines.bytes(release.headerLine));
        ReleaseStatsRow row;
        row.key = release.key();
        row.headerLine = release.headerLine;
        row.dayText = GetDayText(header, dayFormat);
        row.sortableDate = GetSortableDate(header);
        row.label = release.label;
        rows.push_back(row);
    }
    return rows;
}

void CalcStatistics2(const HistoryDocument &document, std::vector<ReleaseStatsRow> &rows)
{
    for (ReleaseStatsRow &row : rows) {
        const ReleaseIndex release = document.releaseOfLine(row.headerLine);
        if (release.isNone() || document.releases[release.at()].headerLine != row.headerLine)
            continue;
        qint64 additions = 0;
        qint64 fixes = 0;
        const LineIndex last = document.lastLineOf(release);
        for (LineIndex line = row.headerLine; line <= last; ++line) {
            const ChangeKind kind = document.lines.kind(line);
            additions += kind == ChangeKind::Addition;
            fixes += kind == ChangeKind::Fix;
        }
        row.additions = additions;
        row.fixes = fixes;
    }
}

WeekdayCounts CalcStatistics(const HistoryDocument &document, const std::vector<LineIndex> &releaseHeaders,
                             const QStringList &versionDetectList, const QString &dayFormat)
{
    WeekdayCounts counts;
    WeekdayIndexer weekdays(dayFormat);
    const HistoryLines &lines = document.lines;
    // Made on the first dated line that is neither an addition nor a fix: many releases have none.
    std::optional<ReleaseTexts> releaseTexts;
    for (LineIndex header : releaseHeaders) {
        const ReleaseIndex release = document.releaseOfLine(header);
        if (release.isNone() || document.releases[release.at()].headerLine != header)
            continue;
        const LineIndex last = document.lastLineOf(release);
        for (LineIndex line = header; line <= last; ++line) {
            const QByteArrayView bytes = lines.bytes(line);
            const int idx = weekdays.indexOf(bytes);
            switch (lines.kind(line)) {
            case ChangeKind::Addition:
                ++counts.additions[idx];
                break;
            case ChangeKind::Fix:
                ++counts.fixes[idx];
                break;
            case ChangeKind::Other:
                if (idx >= WeekdayCounts::NoWeekday || bytes.isEmpty())
                    break;
                if (!releaseTexts)
                    releaseTexts.emplace(versionDetectList, lines.encoding());
                if (releaseTexts->occurIn(lines.lineText(line)))
                    ++counts.headers[idx];
                break;
            }
        }
    }
    return counts;
}

QDebug operator<<(QDebug debug, const WeekdayCounts &counts)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "WeekdayCounts(";
    for (int k = WeekdayCounts::Sunday; k <= WeekdayCounts::NoWeekday; ++k)
        debug << k << ':' << counts.additions[k] << '/' << counts.fixes[k] << '/' << counts.headers[k] << ' ';
    debug << ')';
    return debug;
}

QDebug operator<<(QDebug debug, const ReleaseStatsRow &row)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ReleaseStatsRow(" << row.key << ", " << row.dayText << ", " << row.sortableDate
                    << ", " << row.label << ", " << row.additions << ", " << row.fixes << ')';
    return debug;
}
