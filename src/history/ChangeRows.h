#pragma once

#include "history/HistoryLines.h"

#include <QDebug>
#include <QString>

#include <cstdint>
#include <vector>

// The columns of the changes list, by number, when the date has columns of its own; in the
// one-column form the Change text is column 0.
enum ChangeListColumn : int { DayColumn = 0, DateColumn = 1, ChangeColumn = 2 };

// What the header row above search results shows, in the list and in a copy of it.
inline const QString SearchResultHeader = QStringLiteral("Search Result:");

// One row of the changes list as it is drawn: the line it shows and how.
struct ChangeRow
{
    LineIndex line; // none: the "Search Result:" header row, which shows no line
    bool bold = false;
    bool header = false; // the release's own header row, or the search header row
    bool operator==(const ChangeRow &) const = default;
};

inline QDebug operator<<(QDebug debug, const ChangeRow &row)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ChangeRow(" << row.line << (row.bold ? ", bold" : "")
                    << (row.header ? ", header" : "") << ')';
    return debug;
}

// The rows of the changes list, top to bottom. The "All" view of every kind lists every line,
// so its rows are worked out from the row number and nothing is stored per row; other lists keep
// one line index per row. A header row (a release's own header line, or "Search Result:") may
// sit above or below them.
class ChangeRows
{
public:
    enum class HeaderPlace : std::uint8_t { None, Top, Bottom };

    ChangeRows() = default;

    // Lines 0 to lineCount - 1, bottom to top when reversed; dated lines that are no change are bold.
    static ChangeRows everyLine(int lineCount, bool reversed);
    // `lines` in row order, with the header row showing `headerLine` (none: "Search Result:") at
    // `place`. `boldDatedOthers` draws dated lines that are no change bold, as the "All" view does.
    static ChangeRows listed(std::vector<LineIndex> lines, bool boldDatedOthers,
                             HeaderPlace place = HeaderPlace::None, LineIndex headerLine = NoLine);

    int size() const { return bodySize() + (m_headerPlace == HeaderPlace::None ? 0 : 1); }
    bool empty() const { return size() == 0; }

    bool contains(ListRow row) const { return row.value() >= 0 && row.value() < size(); }

    // The line a row shows; none for the "Search Result:" header row and for a row that does not exist.
    LineIndex lineAt(ListRow row) const
    {
        if (!contains(row))
            return NoLine;
        if (isHeader(row))
            return m_headerLine;
        return bodyLine(m_headerPlace == HeaderPlace::Top ? row.value() - 1 : row.value());
    }
    bool isHeader(ListRow row) const
    {
        return (m_headerPlace == HeaderPlace::Top && row.value() == 0) ||
               (m_headerPlace == HeaderPlace::Bottom && row.value() == size() - 1);
    }
    // The row with how it is drawn; a row that does not exist comes back as a plain row of no line.
    ChangeRow at(ListRow row, const HistoryLines &lines) const;

    // The first row showing `line`, or none.
    ListRow rowOfLine(LineIndex line) const;
    // The row showing `line`, else the one showing the nearest listed line before it, or none.
    ListRow rowAtOrBefore(LineIndex line) const;

    // The storage of the line indices, emptied, for the next list to fill without allocating again.
    std::vector<LineIndex> takeStorage();

private:
    bool storesLines() const { return m_everyLineCount < 0; }
    int bodySize() const { return storesLines() ? static_cast<int>(m_lines.size()) : m_everyLineCount; }
    // The line of the n-th row below a leading header row.
    LineIndex bodyLine(int n) const
    {
        if (storesLines())
            return m_lines[static_cast<std::size_t>(n)];
        return LineIndex(m_reversed ? m_everyLineCount - 1 - n : n);
    }
    ListRow rowOfBody(int n) const { return ListRow(m_headerPlace == HeaderPlace::Top ? n + 1 : n); }

    std::vector<LineIndex> m_lines;
    int m_everyLineCount = -1; // 0 or more: the rows are every line, and m_lines is not used
    bool m_reversed = false;
    bool m_boldDatedOthers = false;
    HeaderPlace m_headerPlace = HeaderPlace::None;
    LineIndex m_headerLine;
};
