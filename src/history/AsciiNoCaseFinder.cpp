#include "history/AsciiNoCaseFinder.h"
#include "history/Sse2.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

AsciiNoCaseFinder::Probe AsciiNoCaseFinder::probeAt(const QByteArray &folded, qsizetype offset)
{
    const auto byte = static_cast<unsigned char>(folded.isEmpty() ? 0 : folded[offset]);
    return Probe{offset, byte, static_cast<unsigned char>(isLowerLetter(byte) ? 0x20 : 0x00)};
}

AsciiNoCaseFinder::AsciiNoCaseFinder(QByteArrayView asciiWord)
    : m_folded(asciiWord.toByteArray())
{
    qsizetype anchor = 0;
    qsizetype second = 0;
    int best = 1000;
    int nextBest = 1000;
    for (qsizetype i = 0; i < m_folded.size(); ++i) {
        const unsigned char c = fold(m_folded[i]);
        m_folded[i] = static_cast<char>(c);
        const int rank = commonness(c);
        if (rank < best) {
            nextBest = best;
            second = anchor;
            best = rank;
            anchor = i;
        } else if (rank < nextBest) {
            nextBest = rank;
            second = i;
        }
    }
    m_caseBits = QByteArray(m_folded.size(), '\0');
    for (qsizetype i = 0; i < m_folded.size(); ++i)
        m_caseBits[i] = static_cast<char>(probeAt(m_folded, i).caseBit);
    // A word of one byte has no second probe: the anchor serves twice.
    m_anchor = probeAt(m_folded, anchor);
    m_second = probeAt(m_folded, m_folded.size() > 1 ? second : anchor);
}

bool AsciiNoCaseFinder::isAscii(QByteArrayView bytes)
{
    // Any byte with its top bit set is not ASCII; or-ing blocks together finds one cheaply.
    const char *p = bytes.data();
    const char *end = p + bytes.size();
#ifdef VELOMIR_HAVE_SSE2
    __m128i any = _mm_setzero_si128();
    for (; end - p >= 16; p += 16)
        any = _mm_or_si128(any, _mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
    if (_mm_movemask_epi8(any) != 0)
        return false;
#endif
    std::uint64_t any8 = 0;
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        any8 |= word;
    }
    for (; p != end; ++p)
        any8 |= static_cast<unsigned char>(*p);
    return (any8 & 0x8080808080808080ULL) == 0;
}

bool AsciiNoCaseFinder::mayFoldToAscii(QByteArrayView utf8)
{
    return utf8.contains("\xC5\xBF") || utf8.contains("\xE2\x84\xAA");
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
    // Candidate starts run from begin to last, both included.
    const char *const last = end - m;
    const char *s = begin;
#ifdef VELOMIR_HAVE_SSE2
    const __m128i anchorByte = _mm_set1_epi8(static_cast<char>(m_anchor.byte));
    const __m128i anchorBit = _mm_set1_epi8(static_cast<char>(m_anchor.caseBit));
    const __m128i secondByte = _mm_set1_epi8(static_cast<char>(m_second.byte));
    const __m128i secondBit = _mm_set1_epi8(static_cast<char>(m_second.caseBit));
    // Bit k set: both probes match for the start s + k. All loads stay before `end`.
    auto candidates = [&](const char *at) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + m_anchor.offset));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + m_second.offset));
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, anchorBit), anchorByte),
                                           _mm_cmpeq_epi8(_mm_or_si128(b, secondBit), secondByte));
        return static_cast<unsigned>(_mm_movemask_epi8(both));
    };
    auto firstMatch = [&](const char *at, unsigned mask) -> const char * {
        for (; mask != 0; mask &= mask - 1) {
            const char *start = at + std::countr_zero(mask);
            if (equalsAt(start))
                return start;
        }
        return nullptr;
    };
    if (last - s >= 15) {
        for (; last - s >= 15; s += 16) {
            if (const char *hit = firstMatch(s, candidates(s)))
                return hit;
        }
        if (s <= last) {
            // The few starts left: one more block that ends at the last start, skipping those
            // it shares with the block before.
            const char *at = last - 15;
            const unsigned mask = candidates(at) & (~0u << (s - at));
            if (const char *hit = firstMatch(at, mask))
                return hit;
        }
        return end;
    }
#endif
    for (; s <= last; ++s) {
        const auto a = static_cast<unsigned char>(s[m_anchor.offset]) | m_anchor.caseBit;
        const auto b = static_cast<unsigned char>(s[m_second.offset]) | m_second.caseBit;
        if (a == m_anchor.byte && b == m_second.byte && equalsAt(s))
            return s;
    }
    return end;
}

bool AsciiNoCaseFinder::equalsAt(const char *start) const
{
    // Or-ing the case bit into the letters of the text folds them as the word was folded; a
    // word is compared eight (or four) bytes at a time, the last piece overlapping the one before.
    const char *needle = m_folded.constData();
    const char *caseBits = m_caseBits.constData();
    auto equal8 = [&](qsizetype i) {
        std::uint64_t text, bits, word;
        std::memcpy(&text, start + i, 8);
        std::memcpy(&bits, caseBits + i, 8);
        std::memcpy(&word, needle + i, 8);
        return (text | bits) == word;
    };
    auto equal4 = [&](qsizetype i) {
        std::uint32_t text, bits, word;
        std::memcpy(&text, start + i, 4);
        std::memcpy(&bits, caseBits + i, 4);
        std::memcpy(&word, needle + i, 4);
        return (text | bits) == word;
    };
    const qsizetype m = m_folded.size();
    if (m >= 8) {
        for (qsizetype i = 0; i + 8 < m; i += 8) {
            if (!equal8(i))
                return false;
        }
        return equal8(m - 8);
    }
    if (m >= 4)
        return equal4(0) && equal4(m - 4);
    for (qsizetype i = 0; i < m; ++i) {
        if ((static_cast<unsigned char>(start[i]) | static_cast<unsigned char>(caseBits[i])) !=
            static_cast<unsigned char>(needle[i]))
            return false;
    }
    return true;
}
