#include "mainwin/ChangeRowsText.h"

#include "history/LineRules.h"
#include "widgets/cStringBuilder.h"

#include <QHash>

#include <algorithm>

namespace {
const QString SearchHeaderText = QStringLiteral("Search Result:");
const QString Tab = QStringLiteral("\t");
const QString RowEnd = QStringLiteral("\r\n");

// Day and date texts depend only on the leading "dd.mm.yy"; formatting a date through the locale
// is the costly part of a copy, and a history has few distinct dates.
class DateTexts
{
public:
    explicit DateTexts(const RowTextColumns &columns)
        : m_columns(columns)
    {
    }

    const std::array<QString, 2> &of(const QString &line)
    {
        if (!isDatedLine(line))
            return m_none;
        // "dd.mm.yy" is all ASCII digits here, so its six digits make the key.
        int key = 0;
        for (int i : {0, 1, 3, 4, 6, 7})
            key = key * 10 + (line.at(i).unicode() - u'0');
        auto it = m_cache.constFind(key);
        if (it == m_cache.constEnd())
            it = m_cache.insert(key, {GetDayText(line, m_columns.dayFormat), GetDateText(line, m_columns.dateFormat)});
        return *it;
    }

private:
    const RowTextColumns &m_columns;
    QHash<int, std::array<QString, 2>> m_cache;
    const std::array<QString, 2> m_none{};
};
} // namespace

std::vector<RowSpan> mergedSpans(std::vector<RowSpan> spans)
{
    std::sort(spans.begin(), spans.end(), [](const RowSpan &a, const RowSpan &b) { return a.first < b.first; });
    std::vector<RowSpan> merged;
    for (const RowSpan &span : spans) {
        if (span.last < span.first)
            continue;
        if (!merged.empty() && span.first <= merged.back().last + 1)
            merged.back().last = std::max(merged.back().last, span.last);
        else
            merged.push_back(span);
    }
    return merged;
}

QString changeRowsText(const HistoryDocument &document, const ChangeRows &rows,
                       const std::vector<RowSpan> &spans, const RowTextColumns &columns)
{
    cStringBuilder builder;
    DateTexts dates(columns);
    const int rowCount = rows.size();
    for (const RowSpan &span : mergedSpans(spans)) {
        for (int r = std::max(span.first, 0); r <= span.last && r < rowCount; ++r) {
            const ChangeRow row{rows.lineAt(r)};
            const QString line = row.line >= 0 ? document.lines.text(row.line) : QString();
            const int rowStart = builder.StringLength();
            bool fits = true;
            if (!columns.separateColumns) {
                fits = builder.Append(row.line >= 0 ? line : SearchHeaderText);
            } else {
                const std::array<QString, 2> &date = dates.of(line);
                const QString change = row.line >= 0 ? GetChangeText(line) : SearchHeaderText;
                for (std::size_t position = 0; position < columns.displayOrder.size(); ++position) {
                    const int kind = columns.displayOrder[position];
                    if (position > 0)
                        fits = fits && builder.Append(Tab);
                    fits = fits && builder.Append(kind == 0 ? date[0] : kind == 1 ? date[1] : change);
                }
            }
            // A text past what the builder can hold is cut after the last whole row.
            if (!fits || !builder.Append(RowEnd)) {
                builder.Remove(rowStart, 0);
                return builder.StringData();
            }
        }
    }
    return builder.StringData();
}
