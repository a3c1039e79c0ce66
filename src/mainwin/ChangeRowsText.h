#pragma once

#include "history/ChangesList.h"

#include <QDebug>
#include <QString>

#include <array>
#include <vector>

// A run of selected rows, first and last inclusive.
struct RowSpan
{
    ListRow first{0};
    ListRow last{-1};
    bool operator==(const RowSpan &) const = default;
};

inline QDebug operator<<(QDebug debug, const RowSpan &span)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "RowSpan(" << span.first.value() << ".." << span.last.value() << ')';
    return debug;
}

// How the copied rows are laid out: the Day, Date and Change texts in the order the user put the
// headings in, or the whole line when the date has no columns.
struct RowTextColumns
{
    bool separateColumns = true;
    std::array<int, 3> displayOrder{DayColumn, DateColumn, ChangeColumn};
    QString dayFormat = QStringLiteral("dddd");
    QString dateFormat = QStringLiteral("dd/MM/yyyy");
};

// Spans sorted by first row, overlapping and touching ones joined, so each row is taken once.
std::vector<RowSpan> mergedSpans(std::vector<RowSpan> spans);

// The clipboard text of the rows in `spans`: per row its cells joined by a tab, and CR LF after
// every row. Rows past the end of `rows` are skipped; no rows give the empty text. The text is
// measured first and written once into a builder of that size, each line's bytes decoded straight
// into it; a copy of many rows does each step in two halves on two threads, and returns when both
// are done.
QString changeRowsText(const HistoryDocument &document, const ChangeRows &rows,
                       const std::vector<RowSpan> &spans, const RowTextColumns &columns);
