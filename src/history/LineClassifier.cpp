#include "history/LineClassifier.h"

#include "history/AsciiNoCaseFinder.h"
#include "history/LineRules.h"

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
    const qsizetype datePrefix = dateDigits(utf8Line) >= 0 ? 8 : -1;
    HistoryLines::Facts facts;
    facts.dated = datePrefix >= 0;
    facts.matchesAddition =
        m_addition && matches(*m_addition, m_additionSharesDatePrefix, datePrefix, utf8Line, lineIsAscii);
    facts.matchesFix = m_fix && matches(*m_fix, m_fixSharesDatePrefix, datePrefix, utf8Line, lineIsAscii);
    return facts;
}

void LineClassifier::classifyAll(HistoryLines &lines) const
{
    for (LineIndex i(0); i <= lines.lastLineIndex(); ++i) {
        const QByteArrayView line = lines.bytes(i);
        lines.setFacts(i, factsOf(line, AsciiNoCaseFinder::isAscii(line)));
    }
}
