#pragma once

#include "text/BytePattern.h"
#include "text/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

// A whole-line wildcard pattern, compiled once: "#" one digit 0-9, "?" one character, "*" any
// run (also none), "[a-z_]" one character of a list, "[!...]" one character not in it; any other
// character stands for itself. Letters match without regard to case. A character is a whole code
// point of the line's encoding. A "[" without a closing "]" stands for itself.
//
// Matching costs at most line length times pattern length: a mismatch after a "*" only ever
// retries from the last "*", never from earlier ones.
class WildcardPattern
{
public:
    explicit WildcardPattern(const QString &pattern = QString());

    bool matches(const LineText &line) const;
    // A line of UTF-8 bytes.
    bool matches(QByteArrayView utf8Line) const;

    // Patterns of the common shape "<one-character tokens>*<ASCII text>*...*" split into a prefix
    // and words. Two patterns with the same prefix may share its check (see LineClassifier).
    bool hasWordShape() const { return m_fastShape; }
    bool samePrefixAs(const WildcardPattern &other) const;
    // Bytes of the line taken by the prefix, or -1 when the line does not begin with it.
    qsizetype prefixLength(const LineText &line) const;
    // Whether the words follow, in order, from byte `from` (the end of the prefix) on.
    bool wordsFollow(const LineText &line, qsizetype from) const;

private:
    enum class TokenType : std::uint8_t { Literal, Digit, AnyChar, Star, Set };
    struct Token
    {
        TokenType type;
        char32_t ch = 0; // Literal: the case-folded character; Set: index into m_sets
    };
    struct CharSet
    {
        std::vector<std::pair<char32_t, char32_t>> ranges;
        bool negated = false;
    };

    bool matchesOne(const Token &token, char32_t c) const;
    bool setContains(const CharSet &set, char32_t c) const;
    bool matchGeneral(const LineText &line) const;

    std::vector<Token> m_tokens;
    std::vector<CharSet> m_sets;

    // The common shape "<one-character tokens>*<ASCII text>*...*" (as in "##.##.##*Added:*") is
    // matched as a prefix check plus plain substring searches.
    bool m_fastShape = false;
    std::size_t m_prefixLength = 0;   // tokens before the first "*"
    std::vector<BytePattern> m_words; // the texts between the stars, letters in either case
};
