#pragma once

#include "history/ChangeKind.h"
#include "history/Position.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <utility>
#include <vector>

// The whole history held once: the text as UTF-8 bytes, an index of (offset, length) per line
// (leading and trailing spaces already cut off), one byte of facts per line, and the few lines
// held apart (headers that release detection rewrote; in a Windows-1252 file with few letters
// outside ASCII, the lines holding them, whose bytes in the text stay as they were read).
// A line becomes a QString only when it is shown.
class HistoryLines
{
public:
    struct Span
    {
        qsizetype offset = 0;
        qsizetype length = 0;
    };

    HistoryLines();
    HistoryLines(QByteArray utf8Text, std::vector<Span> spans);
    // With the facts of every line already worked out, each packed by packFacts.
    HistoryLines(QByteArray utf8Text, std::vector<Span> spans, std::vector<std::uint8_t> packedFacts);

    int size() const { return static_cast<int>(m_spans.size()); }
    LineIndex lastLineIndex() const { return LineIndex(size() - 1); }
    bool contains(LineIndex line) const { return line.value() >= 0 && line.value() < size(); }

    // The stored line as UTF-8 bytes; valid while this object lives and the line is not replaced.
    QByteArrayView bytes(LineIndex line) const;
    QString text(LineIndex line) const;
    bool isEmpty(LineIndex line) const { return bytes(line).isEmpty(); }

    // A line whose text is held apart from the others: an old-style header that release detection
    // rewrote, or a line of a Windows-1252 file converted on its own. Every later reader sees the
    // new text; the bytes at the line's span are then no longer its text.
    void replaceLine(LineIndex line, QByteArray utf8);
    bool isReplaced(LineIndex line) const { return (fact(line) & ReplacedBit) != 0; }
    using ReplacedLine = std::pair<LineIndex, QByteArray>;
    // In line order.
    const std::vector<ReplacedLine> &replacedLines() const { return m_replaced; }

    // Facts worked out once at load, so that lists, searches and counts never match patterns again.
    // A line may match both change patterns; it then counts as an addition.
    struct Facts
    {
        bool matchesAddition = false; // the first change pattern
        bool matchesFix = false;      // the second change pattern
        bool dated = false;           // begins with "dd.mm.yy"
    };
    void setFacts(LineIndex line, Facts facts)
    {
        std::uint8_t &f = m_facts[line.at()];
        f = static_cast<std::uint8_t>(packFacts(facts) | (f & ReplacedBit));
    }
    static std::uint8_t packFacts(Facts facts)
    {
        return static_cast<std::uint8_t>((facts.matchesAddition ? AdditionBit : 0) |
                                         (facts.matchesFix ? FixBit : 0) | (facts.dated ? DatedBit : 0));
    }
    bool matchesAddition(LineIndex line) const { return (fact(line) & AdditionBit) != 0; }
    bool matchesFix(LineIndex line) const { return (fact(line) & FixBit) != 0; }
    bool isDated(LineIndex line) const { return (fact(line) & DatedBit) != 0; }
    ChangeKind kind(LineIndex line) const
    {
        const std::uint8_t f = fact(line);
        return (f & AdditionBit) ? ChangeKind::Addition : (f & FixBit) ? ChangeKind::Fix : ChangeKind::Other;
    }

    // The raw storage, for scanning the whole text at once (search).
    const QByteArray &utf8Text() const { return m_text; }
    const Span &span(LineIndex line) const { return m_spans[line.at()]; }
    // Whether the spans lie in file order, apart from each other and inside the text, so that an
    // offset in the text names one line. Worked out once: every search asks.
    bool spansInFileOrder() const { return m_spansInFileOrder; }

private:
    static constexpr std::uint8_t AdditionBit = 0x01;
    static constexpr std::uint8_t FixBit = 0x02;
    static constexpr std::uint8_t DatedBit = 0x04;
    static constexpr std::uint8_t ReplacedBit = 0x08;
    std::uint8_t fact(LineIndex line) const { return m_facts[line.at()]; }

    QByteArray m_text;
    std::vector<Span> m_spans;
    std::vector<std::uint8_t> m_facts;
    std::vector<ReplacedLine> m_replaced;
    bool m_spansInFileOrder = true;
};
