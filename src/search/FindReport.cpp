#include "search/FindReport.h"

#include "search/LineSearch.h"
#include "search/SearchResultsList.h"

void findReport(const HistoryDocument &document, const QString &text, SearchIn searchIn, bool wholeWord,
                ReportOutput &out)
{
    const std::vector<LineIndex> found = findAll(document.lines, text, searchIn, wholeWord);
    const HistoryLines &lines = document.lines;
    for (const LineIndex line : found) {
        out << qint64(line.value()) + 1 << '\t';
        out.writeLine(lines.bytes(line), lines.encoding());
        out << '\n';
    }
    out << QStringLiteral("# ") << instanceCountText(static_cast<int>(found.size())) << '\n';
}
