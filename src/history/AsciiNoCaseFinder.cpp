#include "history/AsciiNoCaseFinder.h"

#include <algorithm>
#include <cstring>

namespace {

inline char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c + 32) : c;
}

inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

AsciiNoCaseFinder::AsciiNoCaseFinder(QByteArrayView asciiWord)
{
    m_lower.resize(asciiWord.size());
    for (qsizetype i = 0; i < asciiWord.size(); ++i)
        m_lower[i] = lower(asciiWord[i]);
    // Blanks are too common to jump to; any other caseless character is rare in text. Failing
    // that, the word's rarest letter in English text is looked for in both cases.
    static constexpr char byFrequency[] = "etaoinshrdlcumwfgypbvkjxqz";
    int bestRank = -1;
    for (qsizetype i = m_lower.size() - 1; i >= 0; --i) {
        const char c = m_lower[i];
        const int rank = isLetter(c) ? int(std::strchr(byFrequency, c) - byFrequency) : c == ' ' ? -1 : 100;
        if (rank > bestRank) {
            bestRank = rank;
            m_anchor = i;
        }
    }
    m_anchorHasCase = m_anchor >= 0 && isLetter(m_lower[m_anchor]);
}

bool AsciiNoCaseFinder::matchesAt(const char *p) const
{
    for (qsizetype k = 0; k < m_lower.size(); ++k) {
        if (lower(p[k]) != m_lower[k])
            return false;
    }
    return true;
}

qsizetype AsciiNoCaseFinder::indexIn(QByteArrayView haystack, qsizetype from) const
{
    const qsizetype m = m_lower.size();
    const qsizetype n = haystack.size();
    const char *const s = haystack.data();
    if (m == 0)
        return from <= n ? from : -1;
    if (m_anchor >= 0) {
        const char anchor = m_lower[m_anchor];
        const char upperAnchor = m_anchorHasCase ? char(anchor - 32) : anchor;
        // The anchor of a match starting at `from` or later lies at `from + m_anchor` or later.
        // Each case's next hit is looked up only once the scan has passed the previous one.
        qsizetype at = from + m_anchor;
        const char *const end = s + n;
        auto next = [&](char c, qsizetype pos) -> const char * {
            if (pos >= n)
                return end;
            const void *hit = std::memchr(s + pos, c, static_cast<std::size_t>(n - pos));
            return hit ? static_cast<const char *>(hit) : end;
        };
        const char *nextLower = next(anchor, at);
        const char *nextUpper = m_anchorHasCase ? next(upperAnchor, at) : end;
        while (true) {
            const char *hit = std::min(nextLower, nextUpper);
            at = hit - s;
            if (hit == end || at + (m - m_anchor) > n)
                return -1;
            if (matchesAt(hit - m_anchor))
                return at - m_anchor;
            if (hit == nextLower)
                nextLower = next(anchor, at + 1);
            else
                nextUpper = next(upperAnchor, at + 1);
        }
    }
    const char first = m_lower[0];
    for (qsizetype i = from; i + m <= n; ++i) {
        if (lower(s[i]) == first && matchesAt(s + i))
            return i;
    }
    return -1;
}
