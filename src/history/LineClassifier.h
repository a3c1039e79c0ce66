#pragma once

#include "history/HistoryLines.h"
#include "history/WildcardPattern.h"

#include <QStringList>

#include <optional>

// Works out each line's facts once at load: whether it matches the addition pattern (entry 0 of
// ChangeDetectList) and the fix pattern (entry 1). A missing entry matches nothing.
class LineClassifier
{
public:
    explicit LineClassifier(const QStringList &ChangeDetectList, TextEncoding encoding = TextEncoding::Utf8);

    HistoryLines::Facts factsOf(const LineText &line) const;
    TextEncoding encoding() const { return m_encoding; }

private:
    bool matches(const WildcardPattern &pattern, bool sharesDatePrefix, qsizetype datePrefix,
                 const LineText &line) const;

    TextEncoding m_encoding;
    std::optional<WildcardPattern> m_addition;
    std::optional<WildcardPattern> m_fix;
    // With the usual patterns both change patterns begin with the date, so a line's date is
    // checked once for both.
    bool m_additionSharesDatePrefix = false;
    bool m_fixSharesDatePrefix = false;
};
