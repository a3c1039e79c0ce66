#pragma once

#include "Positions.h"
#include "history/ChangeRows.h"
#include "history/HistoryDocument.h"
#include "history/HistoryLoader.h"
#include "text/LineEnds.h"
#include "text/TextCodec.h"

#include <QRegularExpression>
#include <QStringList>

// History lines held as the loader holds them: the raw lines in the encoding joined by CR LF in one
// buffer, each span cut to the line without its leading and trailing blanks. `kinds` gives one
// letter per line: 'a' addition, 'f' fix, 'b' both patterns, anything else neither.
inline HistoryLines makeLines(const QStringList &raw, const QString &kinds = {},
                              TextEncoding encoding = TextEncoding::Utf8)
{
    QByteArray text;
    std::vector<HistoryLines::Span> spans;
    for (const QString &line : raw) {
        const QByteArray bytes = encodeText(line, encoding);
        const Trimmed trimmed = trimBlanks(bytes.data(), bytes.data() + bytes.size());
        spans.push_back({text.size() + (trimmed.first - bytes.data()), trimmed.last - trimmed.first});
        text += bytes + "\r\n";
    }
    HistoryLines lines(text, spans, encoding);
    for (int i = 0; i < kinds.size() && i < lines.size(); ++i) {
        const QChar k = kinds[i];
        lines.setFacts(LineIndex(i), {k == u'a' || k == u'b', k == u'f' || k == u'b'});
    }
    return lines;
}

// A document of lines of the given kinds, with no releases.
inline HistoryDocument documentOf(const QStringList &raw, const QString &kinds = {})
{
    HistoryDocument document;
    document.lines = makeLines(raw, kinds);
    return document;
}

// A document whose kinds are set by simple checks that agree with the default patterns
// "##.##.##*Added:*" and "##.##.##*Fixed:*", with releases at the given lines.
inline HistoryDocument makeDocument(const QStringList &lines, const QList<int> &releaseHeaders = {},
                                    TextEncoding encoding = TextEncoding::Utf8)
{
    static const QRegularExpression date(QStringLiteral("^[0-9]{2}\\.[0-9]{2}\\.[0-9]{2}"));
    QString kinds;
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        const bool dated = date.match(trimmed).hasMatch();
        const QString rest = trimmed.mid(8);
        kinds += !dated                                                        ? u'.'
                 : rest.contains(QLatin1String("added:"), Qt::CaseInsensitive) ? u'a'
                 : rest.contains(QLatin1String("fixed:"), Qt::CaseInsensitive) ? u'f'
                                                                               : u'.';
    }
    HistoryDocument document;
    document.lines = makeLines(lines, kinds, encoding);
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

// The document the loader makes of a file's bytes; the test stops when the bytes are refused.
inline HistoryDocument decodedHistory(const QByteArray &bytes,
                                      const DetectionSettings &settings = DetectionSettings::defaults())
{
    HistoryDocument document;
    if (!decodeHistory(bytes, settings, document).ok)
        qFatal("the bytes were refused");
    return document;
}

// The text of every line, in file order.
inline QStringList allLines(const HistoryLines &lines)
{
    QStringList out;
    for (LineIndex i(0); lines.contains(i); ++i)
        out << lines.text(i);
    return out;
}
