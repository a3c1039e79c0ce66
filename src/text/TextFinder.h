#pragma once

#include "text/BytePattern.h"
#include "text/TextEncoding.h"

#include <QString>

#include <optional>

// Finds a text in lines, letters without regard to case, with the result
// QString::indexOf(text, 0, Qt::CaseInsensitive) gives on the decoded line, but in the line's own
// bytes. The text becomes a byte pattern in the lines' encoding: each letter stands for the bytes
// of every character that folds as it does. In Windows-1252 that is exact for every line; a text
// with a character the code page lacks matches no line. In UTF-8 it is exact for plain lines, and
// lines that are not plain are decoded when one of the text's letters has a partner of another
// width. A text holding half of a surrogate pair is always compared on decoded lines.
class TextFinder
{
public:
    TextFinder(const QString &text, TextEncoding encoding);

    const QString &text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    // The pattern, for searching many lines' bytes at once; null when lines must be decoded. A hit
    // is an occurrence, except that lines that are not plain must be tested one by one when
    // plainLinesOnly() says so.
    const BytePattern *pattern() const { return m_pattern ? &*m_pattern : nullptr; }
    bool plainLinesOnly() const { return m_plainLinesOnly; }
    // Whether no line of this encoding can hold the text.
    bool neverMatches() const { return m_never; }

    bool contains(const LineText &line) const;
    // Character (UTF-16) position of the first occurrence, or -1; an empty text occurs at 0.
    qsizetype indexIn(const LineText &line) const;

private:
    void makeWindows1252Pattern();
    void makeUtf8Pattern();
    bool decodes(const LineText &line) const;
    qsizetype decodedIndexIn(const LineText &line) const;

    QString m_text;
    TextEncoding m_encoding;
    std::optional<BytePattern> m_pattern;
    bool m_plainLinesOnly = false;
    bool m_never = false;
};
