#include "history/ReleasesReport.h"

void releasesReport(const HistoryDocument &document, ReportOutput &out)
{
    for (int r = 0; r < static_cast<int>(document.releases.size()); ++r) {
        qint64 additions = 0, fixes = 0;
        for (LineIndex i = document.firstLineOf(r); i <= document.lastLineOf(r); ++i) {
            const ChangeKind kind = document.lines.kind(i);
            additions += kind == ChangeKind::Addition;
            fixes += kind == ChangeKind::Fix;
        }
        const Release &release = document.releases[static_cast<std::size_t>(r)];
        QString label = release.label;
        label.replace(u'\t', u' ');
        out << release.key() << '\t' << label << '\t' << additions << '\t' << fixes << '\n';
    }
}
