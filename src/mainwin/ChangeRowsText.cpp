#include "mainwin/ChangeRowsText.h"

#include "history/DateTextTable.h"
#include "history/LineRules.h"
#include "text/HugePages.h"
#include "text/TextCodec.h"
#include "widgets/cStringBuilder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <thread>

namespace {
constexpr char16_t Tab = u'\t';

// Below this many rows a second thread costs more than it saves.
constexpr int RowsForSecondThread = 50000;

// Runs work(0) and work(1), on two threads when `together`, and returns when both are done.
template <typename Work> void runBothParts(bool together, Work work)
{
    if (!together) {
        work(0);
        work(1);
        return;
    }
    std::thread helper([&work] { work(1); });
    work(0);
    helper.join();
}

// The selected rows that exist, each once and in list order, counted from 0 in that order.
class SelectedRows
{
public:
    SelectedRows(const std::vector<RowSpan> &spans, int rowCount)
    {
        for (RowSpan span : mergedSpans(spans)) {
            span.first = std::max(span.first, ListRow(0));
            span.last = std::min(span.last, ListRow(rowCount - 1));
            if (span.first <= span.last) {
                m_spans.push_back(span);
                m_count += span.last - span.first + 1;
            }
        }
    }

    int count() const { return m_count; }

    // Calls fn(row) for the selected rows counted `first` up to but not including `end`.
    template <typename Fn> void forEach(int first, int end, Fn fn) const
    {
        int skipped = 0;
        for (const RowSpan &span : m_spans) {
            const int length = span.last - span.first + 1;
            if (skipped + length > first) {
                const ListRow from = span.first + std::max(first - skipped, 0);
                const ListRow to = span.first + std::min(end - skipped, length);
                for (ListRow row = from; row < to; ++row)
                    fn(row);
            }
            skipped += length;
            if (skipped >= end)
                break;
        }
    }

private:
    std::vector<RowSpan> m_spans;
    int m_count = 0;
};

// A line's stored bytes; none for a row that shows no line.
class LineBytes
{
public:
    explicit LineBytes(const HistoryLines &lines)
        : m_lines(lines)
    {
    }

    QByteArrayView operator()(LineIndex line) const
    {
        return m_lines.contains(line) ? m_lines.bytes(line) : QByteArrayView();
    }

private:
    const HistoryLines &m_lines;
};

char16_t *put(QStringView text, char16_t *out)
{
    if (text.isEmpty())
        return out; // an empty text may have no storage at all
    std::memcpy(out, text.utf16(), static_cast<std::size_t>(text.size()) * 2);
    return out + text.size();
}

// The texts of the copied rows, measured and then written part by part: each part of the rows
// can be measured and written on its own thread, into its own stretch of one buffer.
class RowsWriter
{
public:
    RowsWriter(const HistoryDocument &document, const ChangeRows &rows, const RowTextColumns &columns)
        : m_rows(rows)
        , m_columns(columns)
        , m_bytes(document.lines)
        , m_encoding(document.lines.encoding())
        , m_dates(columns.dayFormat, columns.dateFormat)
    {
    }

    // Formatting a date through the locale is the costly part of a copy: each distinct date is
    // formatted once, before the rows are measured and written, which then only read the table.
    DateTextTable &dates() { return m_dates; }

    int dateKeyOfRow(ListRow row) const
    {
        const LineIndex line = m_rows.lineAt(row);
        return line.isNone() ? -1 : dateDigits(m_bytes(line));
    }

    struct Part
    {
        Part(int firstRow = 0, int endRow = 0)
            : first(firstRow)
            , end(endRow)
        {
        }
        int first; // selected rows, counted as SelectedRows does
        int end;
        qint64 length = 0; // characters
    };

    // Sums the lengths of the part's rows, counted in the lines' bytes.
    void measure(const SelectedRows &selected, Part &part) const
    {
        qint64 length = 0;
        selected.forEach(part.first, part.end, [&](ListRow row) {
            const Cells cells = cellsOf(row);
            length += cells.day.size() + cells.date.size() + 2;
            if (m_columns.separateColumns)
                length += 2;
            length += cells.header ? SearchResultHeader.size() : utf16Length(cells.text, m_encoding);
        });
        part.length = length;
    }

    // Writes the part's rows from `out`, exactly as many characters as measure() counted, each
    // line decoded from its bytes straight into place.
    void write(const SelectedRows &selected, const Part &part, char16_t *out) const
    {
        selected.forEach(part.first, part.end, [&](ListRow row) {
            const Cells cells = cellsOf(row);
            auto putText = [&] {
                out = cells.header ? put(SearchResultHeader, out) : decodeInto(cells.text, m_encoding, out);
            };
            if (!m_columns.separateColumns) {
                putText();
            } else {
                for (std::size_t position = 0; position < m_columns.displayOrder.size(); ++position) {
                    if (position > 0)
                        *out++ = Tab;
                    switch (m_columns.displayOrder[position]) {
                    case DayColumn:
                        out = put(cells.day, out);
                        break;
                    case DateColumn:
                        out = put(cells.date, out);
                        break;
                    default:
                        putText();
                        break;
                    }
                }
            }
            *out++ = u'\r';
            *out++ = u'\n';
        });
    }

private:
    // One row's cells: the Day and Date texts (empty in the one-column form), and the bytes of
    // the Change cell, or of the whole line in the one-column form.
    struct Cells
    {
        QStringView day;
        QStringView date;
        QByteArrayView text;
        bool header = false; // "Search Result:", which shows no line
    };

    Cells cellsOf(ListRow row) const
    {
        Cells cells;
        const LineIndex line = m_rows.lineAt(row);
        if (line.isNone()) {
            cells.header = true;
            return cells;
        }
        const QByteArrayView bytes = m_bytes(line);
        if (!m_columns.separateColumns) {
            cells.text = bytes;
            return cells;
        }
        const int key = dateDigits(bytes);
        const int slot = m_dates.slotOf(key);
        cells.day = m_dates.dayText(slot);
        cells.date = m_dates.dateText(slot);
        cells.text = changeBytes(bytes, key >= 0);
        return cells;
    }

    const ChangeRows &m_rows;
    const RowTextColumns &m_columns;
    LineBytes m_bytes;
    TextEncoding m_encoding;
    DateTextTable m_dates;
};
} // namespace

std::vector<RowSpan> mergedSpans(std::vector<RowSpan> spans)
{
    std::sort(spans.begin(), spans.end(),
              [](const RowSpan &a, const RowSpan &b) { return a.first < b.first; });
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
    SelectedRows selected(spans, rows.size());
    cStringBuilder builder;
    if (selected.count() == 0)
        return builder.takeStringData();
    const bool together = selected.count() >= RowsForSecondThread;

    RowsWriter writer(document, rows, columns);
    if (columns.separateColumns) {
        selected.forEach(0, selected.count(),
                         [&](ListRow row) { writer.dates().add(writer.dateKeyOfRow(row)); });
        writer.dates().formatAdded(together);
    }

    // Two parts of the rows, measured and then written side by side.
    RowsWriter::Part parts[2] = {{0, selected.count() / 2}, {selected.count() / 2, selected.count()}};
    runBothParts(together, [&](int part) { writer.measure(selected, parts[part]); });

    if ((parts[0].length + parts[1].length) * 2 > cStringBuilder::MaxTextBytes) {
        // More than the builder can hold: the text is cut after the last whole row that fits.
        qint64 fits = 0;
        int count = 0;
        for (; count < selected.count(); ++count) {
            RowsWriter::Part row(count, count + 1);
            writer.measure(selected, row);
            if ((fits + row.length) * 2 > cStringBuilder::MaxTextBytes)
                break;
            fits += row.length;
        }
        parts[0] = RowsWriter::Part(0, count / 2);
        parts[1] = RowsWriter::Part(count / 2, count);
        runBothParts(together, [&](int part) { writer.measure(selected, parts[part]); });
    }
    char16_t *out = builder.extend(parts[0].length + parts[1].length);
    if (!out)
        return QString(); // the block could not grow
    preferHugePages(out, (parts[0].length + parts[1].length) * 2);
    runBothParts(together, [&](int part) {
        writer.write(selected, parts[part], part == 0 ? out : out + parts[0].length);
    });
    return builder.takeStringData();
}
