#include "history/HistoryLines.h"

#include <algorithm>

HistoryLines::HistoryLines()
    : HistoryLines(QByteArray(), std::vector<Span>{Span{}})
{
}

HistoryLines::HistoryLines(QByteArray utf8Text, std::vector<Span> spans)
    : HistoryLines(std::move(utf8Text), std::move(spans), {})
{
}

HistoryLines::HistoryLines(QByteArray utf8Text, std::vector<Span> spans,
                           std::vector<std::uint8_t> packedFacts)
    : m_text(std::move(utf8Text))
    , m_spans(std::move(spans))
    , m_facts(std::move(packedFacts))
{
    m_facts.resize(m_spans.size(), 0);
    // A file always has at least one line, the empty one of an empty file.
    if (m_spans.empty()) {
        m_spans.push_back(Span{});
        m_facts.push_back(0);
    }
    qsizetype previousEnd = 0;
    for (const Span &s : m_spans) {
        if (s.offset < previousEnd || s.length < 0 || s.length > m_text.size() - s.offset) {
            m_spansInFileOrder = false;
            break;
        }
        previousEnd = s.offset + s.length;
    }
}

namespace {

bool lineBefore(const HistoryLines::ReplacedLine &entry, LineIndex line)
{
    return entry.first < line;
}

} // namespace

QByteArrayView HistoryLines::bytes(LineIndex line) const
{
    if (isReplaced(line))
        return QByteArrayView(
            std::lower_bound(m_replaced.begin(), m_replaced.end(), line, lineBefore)->second);
    const Span &s = m_spans[line.at()];
    return QByteArrayView(m_text.constData() + s.offset, s.length);
}

QString HistoryLines::text(LineIndex line) const
{
    return QString::fromUtf8(bytes(line));
}

void HistoryLines::replaceLine(LineIndex line, QByteArray utf8)
{
    // Lines are mostly replaced in file order, so the new one usually goes to the end.
    const auto at = m_replaced.empty() || m_replaced.back().first < line
                        ? m_replaced.end()
                        : std::lower_bound(m_replaced.begin(), m_replaced.end(), line, lineBefore);
    if (at != m_replaced.end() && at->first == line)
        at->second = std::move(utf8);
    else
        m_replaced.emplace(at, line, std::move(utf8));
    m_facts[line.at()] |= ReplacedBit;
}
