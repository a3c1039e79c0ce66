#pragma once

#include "history/ChangeKind.h"
#include "history/Position.h"
#include "text/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// The whole history held once: the text in the file's own bytes (Windows-1252 or UTF-8; a UTF-16
// file converted once to UTF-8), an index of eight bytes per line that holds where each line
// lies (leading and trailing blanks already cut off) and whether it matches the two change
// patterns, and the few lines held apart: the old-style headers that release detection rewrote.
// The line rules need only ASCII (dates, kinds, header words), so a line becomes a QString only
// when it is shown, copied or formatted.
class HistoryLines
{
public:
    // One line of the index. Offsets fit 31 bits (the text held is under 2 GiB); the top bits
    // hold whether the line matches the addition and the fix pattern. A line held apart has its
    // two offsets swapped, which never happens otherwise: such a line is never empty.
    struct Entry
    {
        std::uint32_t first = 0; // where the line begins in the text; top bit: matches the addition pattern
        std::uint32_t last = 0;  // where it ends; top bit: matches the fix pattern
    };
    static constexpr qsizetype MaxTextBytes = 0x7FFFFFFF;

    // Where a line lies in the text, for building the lines by hand.
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    // A line longer than a list shows, with its length in characters (UTF-16 code units).
    using LongLine = std::pair<LineIndex, qsizetype>;
    static constexpr qsizetype LongLineBytes = 65536;

    HistoryLines();
    // The lines as the scan found them: `entries` in file order, the lines holding letters of
    // odd width and those longer than LongLineBytes, each in line order.
    HistoryLines(QByteArray text, TextEncoding encoding, std::vector<Entry> entries,
                 std::vector<LineIndex> oddWidthLines, std::vector<LongLine> longLines);
    // Lines at the given spans of the text, in file order, apart and inside it; no line matches
    // a change pattern until told so.
    HistoryLines(QByteArray text, const std::vector<Span> &spans, TextEncoding encoding = TextEncoding::Utf8);

    static Entry entry(qsizetype begin, qsizetype end, bool matchesAddition, bool matchesFix)
    {
        return Entry{static_cast<std::uint32_t>(begin) | (matchesAddition ? TopBit : 0),
                     static_cast<std::uint32_t>(end) | (matchesFix ? TopBit : 0)};
    }

    int size() const { return static_cast<int>(m_entries.size()); }
    LineIndex lastLineIndex() const { return LineIndex(size() - 1); }
    bool contains(LineIndex line) const { return line.value() >= 0 && line.value() < size(); }
    TextEncoding encoding() const { return m_encoding; }

    // The stored line in the text's encoding; valid while this object lives and the line is not replaced.
    QByteArrayView bytes(LineIndex line) const;
    // The line as the line rules read it.
    LineText lineText(LineIndex line) const;
    // The whole line decoded.
    QString text(LineIndex line) const;
    // How many characters (UTF-16 code units) the line decodes to.
    qsizetype characterCount(LineIndex line) const;
    bool isEmpty(LineIndex line) const
    {
        const Entry &e = m_entries[line.at()];
        return (e.first & OffsetBits) == (e.last & OffsetBits);
    }
    // Begins with "dd.mm.yy".
    bool isDated(LineIndex line) const;

    // A line whose text is held apart from the others: an old-style header that release detection
    // rewrote. Every later reader sees the new text (given in the text's encoding).
    void replaceLine(LineIndex line, QByteArray bytes);
    bool isReplaced(LineIndex line) const
    {
        const Entry &e = m_entries[line.at()];
        return (e.first & OffsetBits) > (e.last & OffsetBits);
    }
    using ReplacedLine = std::pair<LineIndex, QByteArray>;
    // In line order.
    const std::vector<ReplacedLine> &replacedLines() const { return m_replaced; }

    // Facts worked out once at load, so that lists, searches and counts never match patterns again.
    // A line may match both change patterns; it then counts as an addition.
    struct Facts
    {
        bool matchesAddition = false; // the first change pattern
        bool matchesFix = false;      // the second change pattern
    };
    void setFacts(LineIndex line, Facts facts);
    bool matchesAddition(LineIndex line) const { return (m_entries[line.at()].first & TopBit) != 0; }
    bool matchesFix(LineIndex line) const { return (m_entries[line.at()].last & TopBit) != 0; }
    ChangeKind kind(LineIndex line) const
    {
        return matchesAddition(line) ? ChangeKind::Addition
               : matchesFix(line)    ? ChangeKind::Fix
                                     : ChangeKind::Other;
    }

    // The text held, for searching all lines at once. Lines lie in it in file order; a line held
    // apart lies nowhere in it (an empty range at its old place).
    const QByteArray &rawText() const { return m_text; }
    qsizetype textBegin(LineIndex line) const { return qsizetype(m_entries[line.at()].first & OffsetBits); }
    qsizetype textEnd(LineIndex line) const
    {
        const Entry &e = m_entries[line.at()];
        return isReplaced(line) ? textBegin(line) : qsizetype(e.last & OffsetBits);
    }
    // The lines of the text (not those held apart) that hold letters of odd width, in order.
    const std::vector<LineIndex> &oddWidthLines() const { return m_oddWidthLines; }
    bool isPlain(LineIndex line) const;

    // Index bytes of a history of so many lines with so many letters of odd width.
    static qint64 indexBytes(qint64 lines, qint64 oddWidthLetters)
    {
        return lines * qint64(sizeof(Entry)) + oddWidthLetters * qint64(sizeof(LineIndex));
    }

private:
    static constexpr std::uint32_t TopBit = 0x80000000u;
    static constexpr std::uint32_t OffsetBits = 0x7FFFFFFFu;

    QByteArray m_text;
    TextEncoding m_encoding = TextEncoding::Utf8;
    std::vector<Entry> m_entries;
    std::vector<ReplacedLine> m_replaced;
    std::vector<LineIndex> m_oddWidthLines;
    std::vector<LongLine> m_longLines;
};
