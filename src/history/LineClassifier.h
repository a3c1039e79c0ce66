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
    void classifyAll(HistoryLines &lines) const;

private:
    std::optional<WildcardPattern> m_addition;
    std::optional<WildcardPattern> m_fix;
    WildcardPattern m_dated;
};
