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

    HistoryLines::Facts factsOf(QByteArrayView utf8Line) const { return factsOf(utf8Line, false); }
    // The same for a line known to hold only ASCII, which makes the look cheaper.
    HistoryLines::Facts factsOfAsciiLine(QByteArrayView asciiLine) const { return factsOf(asciiLine, true); }
    void classifyAll(HistoryLines &lines) const;

private:
    HistoryLines::Facts factsOf(QByteArrayView utf8Line, bool lineIsAscii) const;
    bool matches(const WildcardPattern &pattern, bool sharesDatePrefix, qsizetype datePrefix,
                 QByteArrayView line, bool lineIsAscii) const;

    std::optional<WildcardPattern> m_addition;
    std::optional<WildcardPattern> m_fix;
    // With the usual patterns both change patterns begin with the date, so a line's date is
    // checked once for all three.
    bool m_additionSharesDatePrefix = false;
    bool m_fixSharesDatePrefix = false;
};
