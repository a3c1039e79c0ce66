#include "history/LineClassifier.h"

#include "history/LineRules.h"

LineClassifier::LineClassifier(const QStringList &ChangeDetectList, TextEncoding encoding)
    : m_encoding(encoding)
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
                             const LineText &line) const
{
    if (sharesDatePrefix)
        return datePrefix >= 0 && pattern.wordsFollow(line, datePrefix);
    return pattern.matches(line);
}

HistoryLines::Facts LineClassifier::factsOf(const LineText &line) const
{
    // "##.##.##*" has no words: the line is dated exactly when its prefix is there.
    const qsizetype datePrefix = dateDigits(line.bytes) >= 0 ? 8 : -1;
    HistoryLines::Facts facts;
    facts.matchesAddition = m_addition && matches(*m_addition, m_additionSharesDatePrefix, datePrefix, line);
    facts.matchesFix = m_fix && matches(*m_fix, m_fixSharesDatePrefix, datePrefix, line);
    return facts;
}
