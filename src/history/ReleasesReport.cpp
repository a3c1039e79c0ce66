#include "history/ReleasesReport.h"

void releasesReport(const HistoryDocument &document, ReportOutput &out)
{
    for (ReleaseIndex r(0); r < document.releaseCount(); ++r) {
        qint64 additions = 0, fixes = 0;
        for (LineIndex i = document.firstLineOf(r); i <= document.lastLineOf(r); ++i) {
            const ChangeKind kind = document.lines.kind(i);
            additions += kind == ChangeKind::Addition;
            fixes += kind == ChangeKind::Fix;
        }
        const Release &release = document.releases[r.at()];
        QString label = release.label;
        label.replace(u'\t', u' ');
        out << release.key() << '\t' << label << '\t' << additions << '\t' << fixes << '\n';
    }
}
