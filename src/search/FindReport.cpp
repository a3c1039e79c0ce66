#include "search/FindReport.h"

#include "search/LineSearch.h"
#include "search/SearchResultsList.h"

QByteArray findReport(const HistoryDocument &document, const QString &text, SearchIn searchIn, bool wholeWord)
{
    const std::vector<LineIndex> found = findAll(document.lines, text, searchIn, wholeWord);
    QByteArray report;
    for (const LineIndex line : found) {
        report += QByteArray::number(line.value() + 1);
        report += '\t';
        report += document.lines.text(line).toUtf8();
        report += '\n';
    }
    report += "# " + instanceCountText(static_cast<int>(found.size())).toUtf8() + '\n';
    return report;
}
