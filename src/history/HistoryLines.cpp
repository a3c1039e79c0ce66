#include "history/HistoryLines.h"

HistoryLines::HistoryLines()
    : HistoryLines(QByteArray(), std::vector<Span>{Span{}})
{
}

HistoryLines::HistoryLines(QByteArray utf8Text, std::vector<Span> spans)
    : m_text(std::move(utf8Text))
    , m_spans(std::move(spans))
    , m_facts(m_spans.size(), 0)
{
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

QByteArrayView HistoryLines::bytes(LineIndex line) const
{
    if (!m_replaced.empty()) {
        const auto it = m_replaced.find(line);
        if (it != m_replaced.end())
            return QByteArrayView(it->second);
    }
    const Span &s = m_spans[static_cast<std::size_t>(line)];
    return QByteArrayView(m_text.constData() + s.offset, s.length);
}

QString HistoryLines::text(LineIndex line) const
{
    return QString::fromUtf8(bytes(line));
}

void HistoryLines::replaceLine(LineIndex line, QByteArray utf8)
{
    m_replaced[line] = std::move(utf8);
}

void HistoryLines::setFacts(LineIndex line, Facts facts)
{
    m_facts[static_cast<std::size_t>(line)] =
        static_cast<std::uint8_t>((facts.matchesAddition ? AdditionBit : 0) | (facts.matchesFix ? FixBit : 0) |
                                  (facts.dated ? DatedBit : 0));
}
