#include "history/HistoryLines.h"

#include "history/LineRules.h"
#include "text/CaseFolding.h"
#include "text/TextCodec.h"
#include "text/Utf8.h"

#include <algorithm>

namespace {

bool lineBefore(const HistoryLines::ReplacedLine &entry, LineIndex line)
{
    return entry.first < line;
}

bool holdsOddWidthLetter(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding != TextEncoding::Utf8)
        return false;
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size();) {
        const Utf8::CodePoint cp = Utf8::decode(s + i, bytes.size() - i);
        if (cp.length > 1 && CaseFolding::isOddWidth(cp.value))
            return true;
        i += cp.length;
    }
    return false;
}

} // namespace

HistoryLines::HistoryLines()
    : m_entries(1)
{
}

HistoryLines::HistoryLines(QByteArray text, TextEncoding encoding, std::vector<Entry> entries,
                           std::vector<LineIndex> oddWidthLines, std::vector<LongLine> longLines)
    : m_text(std::move(text))
    , m_encoding(encoding)
    , m_entries(std::move(entries))
    , m_oddWidthLines(std::move(oddWidthLines))
    , m_longLines(std::move(longLines))
{
    // A file always has at least one line, the empty one of an empty file.
    if (m_entries.empty())
        m_entries.emplace_back();
}

HistoryLines::HistoryLines(QByteArray text, const std::vector<Span> &spans, TextEncoding encoding)
    : m_text(std::move(text))
    , m_encoding(encoding)
{
    m_entries.reserve(std::max<std::size_t>(spans.size(), 1));
    for (const Span &span : spans) {
        const LineIndex line(size());
        m_entries.push_back(entry(span.offset, span.offset + span.length, false, false));
        const QByteArrayView bytes(m_text.constData() + span.offset, span.length);
        if (holdsOddWidthLetter(bytes, encoding))
            m_oddWidthLines.push_back(line);
        if (span.length > LongLineBytes)
            m_longLines.emplace_back(line, utf16Length(bytes, encoding));
    }
    if (m_entries.empty())
        m_entries.emplace_back();
}

QByteArrayView HistoryLines::bytes(LineIndex line) const
{
    if (isReplaced(line))
        return QByteArrayView(
            std::lower_bound(m_replaced.begin(), m_replaced.end(), line, lineBefore)->second);
    const Entry &e = m_entries[line.at()];
    const std::uint32_t begin = e.first & OffsetBits;
    return QByteArrayView(m_text.constData() + begin, (e.last & OffsetBits) - begin);
}

LineText HistoryLines::lineText(LineIndex line) const
{
    return LineText{bytes(line), m_encoding, isPlain(line)};
}

QString HistoryLines::text(LineIndex line) const
{
    return decodeText(bytes(line), m_encoding);
}

qsizetype HistoryLines::characterCount(LineIndex line) const
{
    const QByteArrayView lineBytes = bytes(line);
    if (lineBytes.size() > LongLineBytes && !isReplaced(line)) {
        const auto found =
            std::lower_bound(m_longLines.begin(), m_longLines.end(), line,
                             [](const LongLine &l, LineIndex wanted) { return l.first < wanted; });
        if (found != m_longLines.end() && found->first == line)
            return found->second;
    }
    return utf16Length(lineBytes, m_encoding);
}

bool HistoryLines::isDated(LineIndex line) const
{
    return dateDigits(bytes(line)) >= 0;
}

bool HistoryLines::isPlain(LineIndex line) const
{
    if (m_encoding != TextEncoding::Utf8)
        return true;
    if (isReplaced(line))
        return !holdsOddWidthLetter(bytes(line), m_encoding);
    return !std::binary_search(m_oddWidthLines.begin(), m_oddWidthLines.end(), line);
}

void HistoryLines::setFacts(LineIndex line, Facts facts)
{
    Entry &e = m_entries[line.at()];
    e.first = (e.first & OffsetBits) | (facts.matchesAddition ? TopBit : 0);
    e.last = (e.last & OffsetBits) | (facts.matchesFix ? TopBit : 0);
}

void HistoryLines::replaceLine(LineIndex line, QByteArray bytes)
{
    // Lines are mostly replaced in file order, so the new one usually goes to the end.
    const auto at = m_replaced.empty() || m_replaced.back().first < line
                        ? m_replaced.end()
                        : std::lower_bound(m_replaced.begin(), m_replaced.end(), line, lineBefore);
    if (at != m_replaced.end() && at->first == line) {
        at->second = std::move(bytes);
        return;
    }
    m_replaced.emplace(at, line, std::move(bytes));
    // Swapped offsets mark the line as held apart. An empty line has nothing to swap: it keeps a
    // range of one byte in the text that is not its own, which no search then finds inside it.
    Entry &e = m_entries[line.at()];
    std::uint32_t begin = e.first & OffsetBits;
    std::uint32_t end = e.last & OffsetBits;
    if (begin == end)
        ++end;
    e.first = end | (e.first & TopBit);
    e.last = begin | (e.last & TopBit);
}
