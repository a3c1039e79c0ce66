#pragma once

#include "history/HistoryLines.h"
#include "history/WildcardPattern.h"

#include <QStringList>

#include <optional>

// Works out each line's facts once at load: whether it matches the addition pattern (entry 0 of
// ChangeDetectList), the fix pattern (entry 1) and "##.##.##*". A missing entry matches nothing.
class LineClassifier
{
public:
    explicit LineClassifier(const QStringList &ChangeDetectList);

    HistoryLines::Facts factsOf(QByteArrayView utf8Line) const;
    void classifyAll(HistoryLines &lines) const { classifyLines(lines, 0, lines.size()); }
    // The lines from `first` up to, not including, `end`.
    void classifyLines(HistoryLines &lines, LineIndex first, LineIndex end) const;

private:
    std::optional<WildcardPattern> m_addition;
    std::optional<WildcardPattern> m_fix;
    WildcardPattern m_dated;
};
