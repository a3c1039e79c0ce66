#include "history/ReleasesReport.h"

QByteArray releasesReport(const HistoryDocument &document)
{
    QByteArray out;
    for (int r = 0; r < static_cast<int>(document.releases.size()); ++r) {
        int additions = 0, fixes = 0;
        for (LineIndex i = document.firstLineOf(r); i <= document.lastLineOf(r); ++i) {
            const ChangeKind kind = document.lines.kind(i);
            additions += kind == ChangeKind::Addition;
            fixes += kind == ChangeKind::Fix;
        }
        const Release &release = document.releases[static_cast<std::size_t>(r)];
        QString label = release.label;
        label.replace(u'\t', u' ');
        out += release.key().toUtf8() + '\t' + label.toUtf8() + '\t' + QByteArray::number(additions) + '\t' +
               QByteArray::number(fixes) + '\n';
    }
    return out;
}
