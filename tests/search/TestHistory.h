#pragma once

#include "Positions.h"
#include "history/HistoryDocument.h"
#include "history/HistoryEncoding.h"

#include <QStringList>

// Builds history lines the way the loader holds them: the raw lines in the encoding joined by CR
// LF in one buffer, each span cut to the line without its leading and trailing blanks.
// `kinds` gives one letter per line: 'a' addition, 'f' fix, 'b' both patterns, else neither.
inline HistoryLines makeLines(const QStringList &raw, const QString &kinds = {},
                              TextEncoding encoding = TextEncoding::Utf8)
{
    QByteArray text;
    std::vector<HistoryLines::Span> spans;
    for (const QString &line : raw) {
        const QByteArray utf8 = encodeText(line, encoding);
        qsizetype begin = 0;
        qsizetype end = utf8.size();
        while (begin < end && utf8[begin] == ' ')
            ++begin;
        while (end > begin && utf8[end - 1] == ' ')
            --end;
        spans.push_back({text.size() + begin, end - begin});
        text += utf8 + "\r\n";
    }
    HistoryLines lines(text, spans, encoding);
    for (int i = 0; i < kinds.size() && i < lines.size(); ++i) {
        const QChar k = kinds[i];
        lines.setFacts(LineIndex(i), {k == u'a' || k == u'b', k == u'f' || k == u'b'});
    }
    return lines;
}

inline HistoryDocument makeDocument(const QStringList &raw, const QString &kinds = {})
{
    HistoryDocument document;
    document.lines = makeLines(raw, kinds);
    return document;
}
