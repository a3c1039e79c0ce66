#include "history/ChangesReport.h"

#include "history/LineRules.h"

QByteArray changesReport(const HistoryDocument &document, const ChangesView &view, const QString &dayFormat,
                         const QString &dateFormat)
{
    const ChangesListContent content = BuildChangesList(document, view);
    QString out;
    for (ListRow row(0); content.rows.contains(row); ++row) {
        const QString line = document.lines.text(content.rows.lineAt(row));
        out += GetDayText(line, dayFormat);
        out += u'\t';
        out += GetDateText(line, dateFormat);
        out += u'\t';
        out += GetChangeText(line);
        out += u'\n';
    }
    out += QStringLiteral("# ");
    out += changesStatusText(view.filter, content.AdditionCount, content.FixCount);
    out += u'\n';
    return out.toUtf8();
}
