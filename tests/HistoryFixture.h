#pragma once

#include "Positions.h"
#include "history/ChangeRows.h"
#include "history/HistoryDocument.h"
#include "history/HistoryEncoding.h"

#include <QRegularExpression>

// A document made by hand, with facts set by simple checks that agree with the default patterns
// "##.##.##*", "##.##.##*Added:*" and "##.##.##*Fixed:*".
inline HistoryDocument makeDocument(const QStringList &lines, const QList<int> &releaseHeaders = {},
                                    TextEncoding encoding = TextEncoding::Utf8)
{
    QByteArray text;
    std::vector<HistoryLines::Span> spans;
    for (const QString &line : lines) {
        const QByteArray bytes = encodeText(line, encoding);
        spans.push_back({text.size(), bytes.size()});
        text += bytes + '\n';
    }
    HistoryDocument document;
    document.lines = HistoryLines(text, spans, encoding);
    static const QRegularExpression date(QStringLiteral("^[0-9]{2}\\.[0-9]{2}\\.[0-9]{2}"));
    for (int i = 0; i < lines.size(); ++i) {
        const bool dated = date.match(lines[i]).hasMatch();
        const QString rest = lines[i].mid(8);
        document.lines.setFacts(LineIndex(i),
                                {dated && rest.contains(QLatin1String("added:"), Qt::CaseInsensitive),
                                 dated && rest.contains(QLatin1String("fixed:"), Qt::CaseInsensitive)});
    }
    for (const int header : releaseHeaders)
        document.releases.push_back(Release{LineIndex(header), lines[header]});
    return document;
}

// Each row as text: "H2" the header row of line 2, "7*" a bold row of line 7, "3" a plain row of line 3.
inline QStringList describe(const ChangeRows &rows, const HistoryLines &lines)
{
    QStringList out;
    for (ListRow r(0); rows.contains(r); ++r) {
        const ChangeRow row = rows.at(r, lines);
        out << (row.header ? "H" : "") + QString::number(row.line.value()) +
                   (row.bold && !row.header ? "*" : "");
    }
    return out;
}
