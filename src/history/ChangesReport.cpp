#include "history/ChangesReport.h"

#include "history/LineRules.h"

void changesReport(const HistoryDocument &document, const ChangesView &view, const QString &dayFormat,
                   const QString &dateFormat, ReportOutput &out)
{
    const ChangesListContent content = BuildChangesList(document, view);
    const HistoryLines &lines = document.lines;
    for (ListRow row(0); content.rows.contains(row); ++row) {
        // The texts come from the line's bytes, as the list's own model makes them: only the
        // date is decoded, and the change is copied out however long it is.
        const QByteArrayView bytes = lines.bytes(content.rows.lineAt(row));
        const QString date = datePart(bytes);
        out << GetDayText(date, dayFormat) << '\t' << GetDateText(date, dateFormat) << '\t';
        out.writeLine(changeBytes(bytes, !date.isEmpty()), lines.encoding());
        out << '\n';
    }
    out << QStringLiteral("# ") << changesStatusText(view.filter, content.AdditionCount, content.FixCount)
        << '\n';
}
