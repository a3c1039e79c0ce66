#include "history/ChangesList.h"

namespace {

// First and last line listed; an empty range has last < first.
struct LineRange
{
    LineIndex first = 0;
    LineIndex last = -1;
};

} // namespace

ChangesListContent BuildChangesList(const HistoryDocument &document, const ChangesListRequest &request)
{
    ChangesListContent content;
    const HistoryLines &lines = document.lines;
    const bool allSelected = request.releaseIndex < 0;
    const int releaseCount = static_cast<int>(document.releases.size());
    if (!allSelected && request.releaseIndex >= releaseCount)
        return content; // a release the document does not have lists nothing

    // "All" lists every line from the first, also when the file has no release at all.
    const LineRange range = allSelected ? LineRange{0, lines.lastLineIndex()}
                                        : LineRange{document.firstLineOf(request.releaseIndex),
                                                    document.lastLineOf(request.releaseIndex)};
    const ChangeRow headerRow{allSelected ? -1 : document.releases[request.releaseIndex].headerLine, true,
                              true};

    const qsizetype lineCount = range.last >= range.first ? range.last - range.first + 1 : 0;
    content.rows.reserve(static_cast<std::size_t>(lineCount) + (allSelected ? 0 : 1));
    if (!allSelected && !request.reversed)
        content.rows.push_back(headerRow);

    const int step = request.reversed ? -1 : 1;
    const LineIndex begin = request.reversed ? range.last : range.first;
    for (qsizetype n = 0; n < lineCount; ++n) {
        const LineIndex line = begin + static_cast<LineIndex>(n) * step;
        const ChangeKind kind = lines.kind(line);
        // The counts tell the range's additions and fixes whatever the filter shows.
        if (kind == ChangeKind::Addition)
            ++content.AdditionCount;
        else if (kind == ChangeKind::Fix)
            ++content.FixCount;

        if (!passesViewFilter(kind, request.filter))
            continue;
        if (allSelected) {
            // Rewritten old-style release headers are dated lines that are no change: bold in "All".
            content.rows.push_back(ChangeRow{line, kind == ChangeKind::Other && lines.isDated(line), false});
        } else if (!lines.isEmpty(line)) {
            content.rows.push_back(ChangeRow{line, false, false});
        }
    }

    if (!allSelected && request.reversed)
        content.rows.push_back(headerRow);

    // Below a leading header row the first change is the one to show; "All" has no header row.
    const auto rowCount = content.rows.size();
    if (rowCount == 1 || (rowCount > 1 && (allSelected || request.reversed)))
        content.selectedRow = 0;
    else if (rowCount > 1)
        content.selectedRow = 1;
    return content;
}

QString changesStatusText(ViewFilter filter, int additions, int fixes)
{
    switch (filter) {
    case ViewFilter::Additions:
        return QStringLiteral("%1 Additions").arg(additions);
    case ViewFilter::Fixes:
        return QStringLiteral("%1 Fixes").arg(fixes);
    case ViewFilter::AllChanges:
        break;
    }
    return QStringLiteral("%1 Additions, %2 Fixes").arg(additions).arg(fixes);
}
