#include "history/ChangesList.h"

namespace {

// First and last line listed; an empty range has last < first.
struct LineRange
{
    LineIndex first{0};
    LineIndex last{-1};
};

// Whether a line is an addition, and whether it is a fix (a line matching both patterns is an
// addition), as 0 or 1. Kept to bit arithmetic: the kinds of lines follow no pattern a branch
// could predict, and the "All" view asks this of every line.
unsigned isAddition(const HistoryLines &lines, LineIndex line)
{
    return lines.matchesAddition(line) ? 1U : 0U;
}
unsigned isFix(const HistoryLines &lines, LineIndex line)
{
    return (lines.matchesFix(line) ? 1U : 0U) & ~isAddition(lines, line);
}

// Writes the lines of `count` steps from `begin` that pass into `out`, which has room for one
// line more than can pass: every line is written and only the passing ones are kept, so that
// the loop does not branch on the kinds of lines, which follow no pattern.
template <typename Passes>
std::size_t listLines(LineIndex begin, int count, int step, LineIndex *out, Passes passes)
{
    std::size_t listed = 0;
    for (int n = 0; n < count; ++n) {
        const LineIndex line = begin + n * step;
        out[listed] = line;
        listed += passes(line);
    }
    return listed;
}

} // namespace

ChangesListContent BuildChangesList(const HistoryDocument &document, const ChangesView &view,
                                    std::vector<LineIndex> storage)
{
    ChangesListContent content;
    const HistoryLines &lines = document.lines;
    if (view.searchResultsShown())
        return content;
    // "All" and "New since last time" list lines alike: blank ones too, and no header row.
    const bool allSelected = view.releaseIndex.isNone();
    const bool newShown = allSelected && !view.lastSeen.isNone();
    if (!allSelected && view.releaseIndex >= document.releaseCount())
        return content; // a release the document does not have lists nothing
    if (newShown && view.lastSeen >= document.releaseCount())
        return content;

    // "All" lists every line from the first, also when the file has no release at all; the new
    // releases run from the first header to the line above the header of the one seen last.
    const LineRange range = newShown      ? LineRange{document.releases.front().headerLine,
                                                 document.releases[view.lastSeen.at()].headerLine - 1}
                            : allSelected ? LineRange{LineIndex(0), lines.lastLineIndex()}
                                          : LineRange{document.firstLineOf(view.releaseIndex),
                                                      document.lastLineOf(view.releaseIndex)};

    // The counts tell the range's additions and fixes whatever the filter shows.
    unsigned additions = 0;
    unsigned fixes = 0;
    for (LineIndex line = range.first; line <= range.last; ++line) {
        additions += isAddition(lines, line);
        fixes += isFix(lines, line);
    }
    content.AdditionCount = static_cast<int>(additions);
    content.FixCount = static_cast<int>(fixes);

    if (allSelected && !newShown && view.filter == ViewFilter::AllChanges) {
        content.rows = ChangeRows::everyLine(lines.size(), view.reversed);
    } else {
        const int lineCount = range.last >= range.first ? range.last - range.first + 1 : 0;
        const int most = view.filter == ViewFilter::Additions ? content.AdditionCount
                         : view.filter == ViewFilter::Fixes   ? content.FixCount
                                                              : lineCount;
        // One slot more than can pass, so that every line is written and only the passing ones kept.
        storage.resize(static_cast<std::size_t>(most) + 1);
        const int step = view.reversed ? -1 : 1;
        const LineIndex begin = view.reversed ? range.last : range.first;
        std::size_t listed = 0;
        if (allSelected) {
            // "All" of every kind stores no rows; the new releases of every kind are every line of theirs.
            if (view.filter == ViewFilter::AllChanges)
                listed = listLines(begin, lineCount, step, storage.data(), [](LineIndex) { return 1U; });
            else if (view.filter == ViewFilter::Additions)
                listed = listLines(begin, lineCount, step, storage.data(),
                                   [&](LineIndex line) { return isAddition(lines, line); });
            else
                listed = listLines(begin, lineCount, step, storage.data(),
                                   [&](LineIndex line) { return isFix(lines, line); });
        } else {
            // Empty lines show only in the "All" view.
            listed = listLines(begin, lineCount, step, storage.data(), [&](LineIndex line) {
                return passesViewFilter(lines.kind(line), view.filter) && !lines.isEmpty(line) ? 1U : 0U;
            });
        }
        storage.resize(listed);
        using Place = ChangeRows::HeaderPlace;
        const Place place = allSelected ? Place::None : view.reversed ? Place::Bottom : Place::Top;
        const LineIndex headerLine =
            allSelected ? NoLine : document.releases[view.releaseIndex.at()].headerLine;
        content.rows = ChangeRows::listed(std::move(storage), allSelected, place, headerLine);
    }

    // Below a leading header row the first change is the one to show; "All" has no header row.
    const int rowCount = content.rows.size();
    if (rowCount == 1 || (rowCount > 1 && (allSelected || view.reversed)))
        content.selectedRow = ListRow(0);
    else if (rowCount > 1)
        content.selectedRow = ListRow(1);
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

QString newReleasesStatusText(int count)
{
    if (count <= 0)
        return {};
    return count == 1 ? QStringLiteral("1 new release since last time")
                      : QStringLiteral("%1 new releases since last time").arg(count);
}
