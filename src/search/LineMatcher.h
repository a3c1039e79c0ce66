#pragma once

#include "history/AsciiNoCaseFinder.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringMatcher>

#include <optional>

// Tests one line (UTF-8 bytes) for a needle, letters without regard to case. An ASCII needle is
// compared byte by byte; any other needle is compared by Unicode case folding on the decoded line.
class LineMatcher
{
public:
    explicit LineMatcher(const QString &needle);
    LineMatcher(const LineMatcher &) = delete;
    LineMatcher &operator=(const LineMatcher &) = delete;

    bool isEmpty() const { return m_needle.isEmpty(); }
    // The byte matcher when the needle is ASCII and not empty, so that callers may scan a whole
    // buffer at once; null otherwise.
    const AsciiNoCaseFinder *ascii() const { return m_ascii ? &*m_ascii : nullptr; }

    bool matches(QByteArrayView utf8Line) const;

private:
    QString m_needle;
    std::optional<AsciiNoCaseFinder> m_ascii;
    QStringMatcher m_unicode;
    // True when some letter of the needle folds to no ASCII letter: a line of ASCII bytes alone
    // then cannot hold it and is passed over without decoding.
    bool m_needsNonAscii = false;
    // Reused for every line, so that testing a line allocates nothing.
    mutable QString m_decoded;
    mutable QStringDecoder m_decoder;
};
