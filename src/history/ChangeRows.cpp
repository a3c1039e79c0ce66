#include "history/ChangeRows.h"

#include <algorithm>

ChangeRows ChangeRows::everyLine(int lineCount, bool reversed)
{
    ChangeRows rows;
    rows.m_everyLineCount = std::max(lineCount, 0);
    rows.m_reversed = reversed;
    rows.m_boldDatedOthers = true;
    return rows;
}

ChangeRows ChangeRows::listed(std::vector<LineIndex> lines, bool boldDatedOthers, HeaderPlace place,
                              LineIndex headerLine)
{
    ChangeRows rows;
    rows.m_lines = std::move(lines);
    rows.m_boldDatedOthers = boldDatedOthers;
    rows.m_headerPlace = place;
    rows.m_headerLine = place == HeaderPlace::None ? NoLine : headerLine;
    return rows;
}

ChangeRow ChangeRows::at(ListRow row, const HistoryLines &lines) const
{
    if (!contains(row))
        return ChangeRow{};
    const LineIndex line = lineAt(row);
    if (isHeader(row))
        return ChangeRow{line, true, true};
    // Rewritten old-style release headers are dated lines that are no change.
    const bool bold = m_boldDatedOthers && lines.contains(line) && lines.kind(line) == ChangeKind::Other &&
                      lines.isDated(line);
    return ChangeRow{line, bold, false};
}

ListRow ChangeRows::rowOfLine(LineIndex line) const
{
    if (line.isNone())
        return NoRow;
    if (m_headerPlace == HeaderPlace::Top && m_headerLine == line)
        return ListRow(0);
    if (!storesLines()) {
        if (line.value() >= m_everyLineCount)
            return NoRow;
        return rowOfBody(m_reversed ? m_everyLineCount - 1 - line.value() : line.value());
    }
    const auto found = std::find(m_lines.begin(), m_lines.end(), line);
    if (found != m_lines.end())
        return rowOfBody(static_cast<int>(found - m_lines.begin()));
    if (m_headerPlace == HeaderPlace::Bottom && m_headerLine == line)
        return ListRow(size() - 1);
    return NoRow;
}

ListRow ChangeRows::rowAtOrBefore(LineIndex line) const
{
    if (line.isNone())
        return NoRow;
    if (!storesLines())
        return m_everyLineCount == 0 ? NoRow : rowOfLine(std::min(line, LineIndex(m_everyLineCount - 1)));
    ListRow best = NoRow;
    LineIndex bestLine = NoLine;
    for (ListRow row(0); contains(row); ++row) {
        const LineIndex shown = lineAt(row);
        if (!shown.isNone() && shown <= line && shown > bestLine) {
            best = row;
            bestLine = shown;
        }
    }
    return best;
}

std::vector<LineIndex> ChangeRows::takeStorage()
{
    std::vector<LineIndex> storage = std::move(m_lines);
    storage.clear();
    *this = ChangeRows();
    return storage;
}
