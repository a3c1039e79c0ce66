#include "search/FindReport.h"

#include "search/LineSearch.h"
#include "search/SearchResultsList.h"

QByteArray findReport(const HistoryDocument &document, const QString &text, SearchIn searchIn, bool wholeWord)
{
    const std::vector<LineIndex> found = findAll(document.lines, text, searchIn, wholeWord);
    const HistoryLines &lines = document.lines;
    qsizetype estimate = 64;
    for (const LineIndex line : found)
        estimate += lines.bytes(line).size() + 12;
    QByteArray report;
    report.reserve(estimate);
    for (const LineIndex line : found) {
        report += QByteArray::number(line.value() + 1);
        report += '\t';
        // The UTF-8 a history holds is well formed: it is what the report writes.
        if (lines.encoding() == TextEncoding::Utf8)
            report += lines.bytes(line);
        else
            report += lines.text(line).toUtf8();
        report += '\n';
    }
    report += "# " + instanceCountText(static_cast<int>(found.size())).toUtf8() + '\n';
    return report;
}
