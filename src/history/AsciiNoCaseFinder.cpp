#include "history/AsciiNoCaseFinder.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VELOMIR_HAVE_SSE2 1
#endif

namespace {

constexpr std::array<unsigned char, 256> makeFoldTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return table;
}
constexpr std::array<unsigned char, 256> FoldTable = makeFoldTable();

inline unsigned char fold(char c)
{
    return FoldTable[static_cast<unsigned char>(c)];
}

inline bool isLowerLetter(unsigned char c)
{
    return c >= 'a' && c <= 'z';
}

// How often a (folded) byte turns up in a change log written in English with dated lines;
// the rarer the anchor byte, the fewer places need checking.
int commonness(unsigned char c)
{
    static constexpr char ByFrequency[] = "etaoinsrhldcumfpgwybvkxjqz";
    if (c == ' ')
        return 100;
    if (isLowerLetter(c))
        return 90 - 3 * static_cast<int>(std::strchr(ByFrequency, c) - ByFrequency);
    if (c >= '0' && c <= '9')
        return 60;
    if (c == '.' || c == ',' || c == ':')
        return 55;
    return 20;
}

} // namespace

AsciiNoCaseFinder::AsciiNoCaseFinder(QByteArrayView asciiWord)
    : m_folded(asciiWord.toByteArray())
{
    int best = 1000;
    for (qsizetype i = 0; i < m_folded.size(); ++i) {
        const unsigned char c = fold(m_folded[i]);
        m_folded[i] = static_cast<char>(c);
        const int rank = commonness(c);
        if (rank < best) {
            best = rank;
            m_anchor = i;
        }
    }
    m_anchorByte = static_cast<unsigned char>(m_folded.isEmpty() ? 0 : m_folded[m_anchor]);
    m_anchorIsLetter = isLowerLetter(m_anchorByte);
}

bool AsciiNoCaseFinder::isAscii(QByteArrayView bytes)
{
    // Eight bytes at a time: any byte with its top bit set is not ASCII.
    const char *p = bytes.data();
    const char *end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        if ((word & 0x8080808080808080ULL) != 0)
            return false;
    }
    for (; p != end; ++p) {
        if (static_cast<unsigned char>(*p) >= 0x80)
            return false;
    }
    return true;
}

qsizetype AsciiNoCaseFinder::indexIn(QByteArrayView haystack, qsizetype from) const
{
    if (from < 0 || from > haystack.size())
        return -1;
    if (m_folded.isEmpty())
        return from;
    const char *hit = find(haystack.data() + from, haystack.data() + haystack.size());
    return hit == haystack.data() + haystack.size() ? -1 : hit - haystack.data();
}

const char *AsciiNoCaseFinder::find(const char *begin, const char *end) const
{
    const qsizetype m = m_folded.size();
    if (m == 0 || end - begin < m)
        return end;
    // The anchor byte of a candidate starting at s stands at s + m_anchor, and s + m <= end.
    const char *limit = end - m + m_anchor + 1;
    for (const char *p = begin + m_anchor; (p = findAnchor(p, limit)) != limit; ++p) {
        if (equalsAt(p - m_anchor))
            return p - m_anchor;
    }
    return end;
}

// First p in [p, limit) whose byte is the anchor in either case; limit when none.
const char *AsciiNoCaseFinder::findAnchor(const char *p, const char *limit) const
{
    // A capital differs from its small letter only in bit 0x20, so or-ing that bit in folds
    // both to one value; for a non-letter anchor the byte must be equal as it is.
    const unsigned char caseBit = m_anchorIsLetter ? 0x20 : 0x00;
#ifdef VELOMIR_HAVE_SSE2
    const __m128i target = _mm_set1_epi8(static_cast<char>(m_anchorByte));
    const __m128i bit = _mm_set1_epi8(static_cast<char>(caseBit));
    for (; limit - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_or_si128(block, bit), target));
        if (mask != 0)
            return p + std::countr_zero(static_cast<unsigned>(mask));
    }
#endif
    for (; p != limit; ++p) {
        if ((static_cast<unsigned char>(*p) | caseBit) == m_anchorByte)
            return p;
    }
    return limit;
}

bool AsciiNoCaseFinder::equalsAt(const char *start) const
{
    const char *needle = m_folded.constData();
    for (qsizetype i = 0; i < m_folded.size(); ++i) {
        if (fold(start[i]) != static_cast<unsigned char>(needle[i]))
            return false;
    }
    return true;
}
