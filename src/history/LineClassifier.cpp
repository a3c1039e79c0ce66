#include "history/LineClassifier.h"

#include "history/AsciiNoCaseFinder.h"

LineClassifier::LineClassifier(const QStringList &ChangeDetectList)
{
    if (!ChangeDetectList.isEmpty())
        m_addition.emplace(ChangeDetectList.at(0));
    if (ChangeDetectList.size() > 1)
        m_fix.emplace(ChangeDetectList.at(1));
    const WildcardPattern dated(QStringLiteral("##.##.##*"));
    m_additionSharesDatePrefix = m_addition && m_addition->samePrefixAs(dated);
    m_fixSharesDatePrefix = m_fix && m_fix->samePrefixAs(dated);
}

namespace {

// What "##.##.##" takes of a line: eight ASCII bytes, or -1 when the line does not begin so.
qsizetype datedPrefixLength(QByteArrayView line)
{
    if (line.size() < 8)
        return -1;
    const auto *s = reinterpret_cast<const unsigned char *>(line.data());
    auto digit = [](unsigned char c) { return static_cast<unsigned>(c - '0') < 10; };
    const bool dated = digit(s[0]) && digit(s[1]) && s[2] == '.' && digit(s[3]) && digit(s[4]) && s[5] == '.' &&
                       digit(s[6]) && digit(s[7]);
    return dated ? 8 : -1;
}

} // namespace

bool LineClassifier::matches(const WildcardPattern &pattern, bool sharesDatePrefix, qsizetype datePrefix,
                             QByteArrayView line, bool lineIsAscii) const
{
    if (sharesDatePrefix)
        return datePrefix >= 0 && pattern.wordsFollow(line, datePrefix, lineIsAscii);
    return lineIsAscii ? pattern.matchesAsciiLine(line) : pattern.matches(line);
}

HistoryLines::Facts LineClassifier::factsOf(QByteArrayView utf8Line, bool lineIsAscii) const
{
    // "##.##.##*" has no words: the line is dated exactly when its prefix is there.
    const qsizetype datePrefix = datedPrefixLength(utf8Line);
    HistoryLines::Facts facts;
    facts.dated = datePrefix >= 0;
    facts.matchesAddition =
        m_addition && matches(*m_addition, m_additionSharesDatePrefix, datePrefix, utf8Line, lineIsAscii);
    facts.matchesFix = m_fix && matches(*m_fix, m_fixSharesDatePrefix, datePrefix, utf8Line, lineIsAscii);
    return facts;
}

void LineClassifier::classifyLines(HistoryLines &lines, LineIndex first, LineIndex end) const
{
    for (LineIndex i = first; i < end; ++i) {
        const QByteArrayView line = lines.bytes(i);
        lines.setFacts(i, factsOf(line, AsciiNoCaseFinder::isAscii(line)));
    }
}
