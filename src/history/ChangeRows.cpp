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
    rows.m_headerLine = place == HeaderPlace::None ? -1 : headerLine;
    return rows;
}

ChangeRow ChangeRows::at(int row, const HistoryLines &lines) const
{
    if (row < 0 || row >= size())
        return ChangeRow{};
    const LineIndex line = lineAt(row);
    if (isHeader(row))
        return ChangeRow{line, true, true};
    // Rewritten old-style release headers are dated lines that are no change.
    const bool bold = m_boldDatedOthers && line >= 0 && line < lines.size() &&
                      lines.kind(line) == ChangeKind::Other && lines.isDated(line);
    return ChangeRow{line, bold, false};
}

int ChangeRows::rowOfLine(LineIndex line) const
{
    if (line < 0)
        return -1;
    if (m_headerPlace == HeaderPlace::Top && m_headerLine == line)
        return 0;
    if (!storesLines()) {
        if (line >= m_everyLineCount)
            return -1;
        return rowOfBody(m_reversed ? m_everyLineCount - 1 - line : line);
    }
    const auto found = std::find(m_lines.begin(), m_lines.end(), line);
    if (found != m_lines.end())
        return rowOfBody(static_cast<int>(found - m_lines.begin()));
    if (m_headerPlace == HeaderPlace::Bottom && m_headerLine == line)
        return size() - 1;
    return -1;
}

int ChangeRows::rowAtOrBefore(LineIndex line) const
{
    if (line < 0)
        return -1;
    if (!storesLines())
        return m_everyLineCount == 0 ? -1 : rowOfLine(std::min(line, m_everyLineCount - 1));
    int best = -1;
    LineIndex bestLine = -1;
    for (int row = 0, rowCount = size(); row < rowCount; ++row) {
        const LineIndex shown = lineAt(row);
        if (shown >= 0 && shown <= line && shown > bestLine) {
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
