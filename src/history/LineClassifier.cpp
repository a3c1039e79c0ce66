#include "history/LineClassifier.h"

LineClassifier::LineClassifier(const QStringList &ChangeDetectList)
    : m_dated(QStringLiteral("##.##.##*"))
{
    if (!ChangeDetectList.isEmpty())
        m_addition.emplace(ChangeDetectList.at(0));
    if (ChangeDetectList.size() > 1)
        m_fix.emplace(ChangeDetectList.at(1));
}

HistoryLines::Facts LineClassifier::factsOf(QByteArrayView utf8Line) const
{
    HistoryLines::Facts facts;
    facts.matchesAddition = m_addition && m_addition->matches(utf8Line);
    facts.matchesFix = m_fix && m_fix->matches(utf8Line);
    facts.dated = m_dated.matches(utf8Line);
    return facts;
}

void LineClassifier::classifyLines(HistoryLines &lines, LineIndex first, LineIndex end) const
{
    for (LineIndex i = first; i < end; ++i)
        lines.setFacts(i, factsOf(lines.bytes(i)));
}
