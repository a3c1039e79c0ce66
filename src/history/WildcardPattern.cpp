#include "history/WildcardPattern.h"

#include "text/CaseFolding.h"
#include "text/TextCodec.h"
#include "text/Utf8.h"

#include <QChar>
#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

inline char32_t asciiLower(char32_t c)
{
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

inline char32_t fold(char32_t c)
{
    return c < 0x80 ? asciiLower(c) : QChar::toCaseFolded(c);
}

} // namespace

WildcardPattern::WildcardPattern(const QString &pattern)
{
    const QList<uint> cps = pattern.toUcs4();
    const qsizetype n = cps.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t c = cps[i];
        if (c == '*') {
            if (m_tokens.empty() || m_tokens.back().type != TokenType::Star)
                m_tokens.push_back({TokenType::Star});
        } else if (c == '#') {
            m_tokens.push_back({TokenType::Digit});
        } else if (c == '?') {
            m_tokens.push_back({TokenType::AnyChar});
        } else if (c == '[' && cps.indexOf(']', i + 1) >= 0) {
            const qsizetype close = cps.indexOf(']', i + 1);
            CharSet set;
            qsizetype k = i + 1;
            if (k < close && cps[k] == '!') {
                set.negated = true;
                ++k;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && cps[k + 1] == '-') {
                    const char32_t a = cps[k], b = cps[k + 2];
                    set.ranges.emplace_back(std::min(a, b), std::max(a, b));
                    k += 2;
                } else {
                    set.ranges.emplace_back(cps[k], cps[k]);
                }
            }
            m_tokens.push_back({TokenType::Set, char32_t(m_sets.size())});
            m_sets.push_back(std::move(set));
            i = close;
        } else {
            m_tokens.push_back({TokenType::Literal, fold(c)});
        }
    }

    // Recognise the common shape for the fast path.
    while (m_prefixLength < m_tokens.size() && m_tokens[m_prefixLength].type != TokenType::Star)
        ++m_prefixLength;
    if (m_prefixLength == m_tokens.size() || m_tokens.back().type != TokenType::Star)
        return;
    QByteArray word;
    for (std::size_t t = m_prefixLength + 1; t < m_tokens.size(); ++t) {
        const Token &tok = m_tokens[t];
        if (tok.type == TokenType::Star) {
            m_words.push_back(BytePattern::asciiNoCase(word));
            word.clear();
        } else if (tok.type == TokenType::Literal && tok.ch < 0x80) {
            word.append(char(tok.ch));
        } else {
            m_words.clear();
            return;
        }
    }
    m_fastShape = true;
}

bool WildcardPattern::setContains(const CharSet &set, char32_t c) const
{
    const char32_t variants[] = {c, fold(c), QChar::toLower(c), QChar::toUpper(c)};
    for (const auto &[lo, hi] : set.ranges) {
        for (char32_t v : variants) {
            if (v >= lo && v <= hi)
                return true;
        }
    }
    return false;
}

bool WildcardPattern::matchesOne(const Token &token, char32_t c) const
{
    switch (token.type) {
    case TokenType::Literal:
        return fold(c) == token.ch;
    case TokenType::Digit:
        return c >= '0' && c <= '9';
    case TokenType::AnyChar:
        return true;
    case TokenType::Set: {
        const CharSet &set = m_sets[token.ch];
        return setContains(set, c) != set.negated;
    }
    case TokenType::Star:
        break;
    }
    return false;
}

bool WildcardPattern::matchGeneral(const LineText &line) const
{
    const auto *s = reinterpret_cast<const unsigned char *>(line.bytes.data());
    const qsizetype n = line.bytes.size();
    const std::size_t count = m_tokens.size();
    std::size_t t = 0;
    qsizetype i = 0;
    // The last "*" seen and the line position it has so far swallowed up to.
    std::size_t starToken = count;
    qsizetype starPos = 0;
    while (i < n) {
        if (t < count && m_tokens[t].type == TokenType::Star) {
            starToken = t++;
            starPos = i;
            continue;
        }
        if (t < count) {
            const Character c = decodeCharacter(s + i, n - i, line.encoding);
            if (matchesOne(m_tokens[t], c.value)) {
                ++t;
                i += c.length;
                continue;
            }
        }
        if (starToken == count)
            return false;
        // Let the last "*" take one more character and retry what follows it.
        starPos += decodeCharacter(s + starPos, n - starPos, line.encoding).length;
        i = starPos;
        t = starToken + 1;
    }
    while (t < count && m_tokens[t].type == TokenType::Star)
        ++t;
    return t == count;
}

bool WildcardPattern::samePrefixAs(const WildcardPattern &other) const
{
    if (!m_fastShape || !other.m_fastShape || m_prefixLength != other.m_prefixLength)
        return false;
    for (std::size_t t = 0; t < m_prefixLength; ++t) {
        const Token &a = m_tokens[t];
        const Token &b = other.m_tokens[t];
        // Sets are compared by their index, which differs between patterns: never shared.
        if (a.type != b.type || a.type == TokenType::Set || (a.type == TokenType::Literal && a.ch != b.ch))
            return false;
    }
    return true;
}

qsizetype WildcardPattern::prefixLength(const LineText &line) const
{
    const auto *s = reinterpret_cast<const unsigned char *>(line.bytes.data());
    const qsizetype n = line.bytes.size();
    qsizetype i = 0;
    for (std::size_t t = 0; t < m_prefixLength; ++t) {
        if (i >= n)
            return -1;
        const Token &token = m_tokens[t];
        if (s[i] < 0x80) {
            // The usual case, without decoding: a digit or a literal against an ASCII character.
            const char32_t c = s[i];
            const bool ok = token.type == TokenType::Digit     ? (c >= '0' && c <= '9')
                            : token.type == TokenType::Literal ? asciiLower(c) == token.ch
                                                               : matchesOne(token, c);
            if (!ok)
                return -1;
            ++i;
            continue;
        }
        const Character c = decodeCharacter(s + i, n - i, line.encoding);
        if (!matchesOne(token, c.value))
            return -1;
        i += c.length;
    }
    return i;
}

bool WildcardPattern::wordsFollow(const LineText &line, qsizetype from) const
{
    qsizetype i = from;
    for (const BytePattern &word : m_words) {
        const qsizetype at = word.indexIn(line.bytes, i);
        if (at < 0) {
            // Letters of odd width (KELVIN SIGN folds to "k") escape a byte search: lines holding
            // them take the general road.
            return !line.plain && matchGeneral(line);
        }
        i = at + word.size();
    }
    return true;
}

bool WildcardPattern::matches(const LineText &line) const
{
    if (!m_fastShape)
        return matchGeneral(line);
    const qsizetype afterPrefix = prefixLength(line);
    return afterPrefix >= 0 && wordsFollow(line, afterPrefix);
}

bool WildcardPattern::matches(QByteArrayView utf8Line) const
{
    const auto *s = reinterpret_cast<const unsigned char *>(utf8Line.data());
    bool plain = true;
    for (qsizetype i = 0; i < utf8Line.size() && plain;) {
        const Utf8::CodePoint cp = Utf8::decode(s + i, utf8Line.size() - i);
        plain = cp.length == 1 || !CaseFolding::isOddWidth(cp.value);
        i += cp.length;
    }
    return matches(LineText{utf8Line, TextEncoding::Utf8, plain});
}
