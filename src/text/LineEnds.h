#pragma once

#include "text/Sse2.h"

#include <bit>

// Where the lines of a text's bytes end, and what of them is the line: lines end at CR LF,
// CR or LF, and the blanks (U+0020 only) at either end of a line are no part of it.

struct LineEnd
{
    const char *at;     // the CR or LF that ends the line, or the end of the bytes
    bool ascii = false; // no byte before it has its top bit set
};

// One pass finds where a line ends and whether it holds anything but ASCII.
inline LineEnd findLineEnd(const char *p, const char *end)
{
    unsigned highBits = 0;
#ifdef VELOMIR_HAVE_SSE2
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const auto ends = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf))));
        const auto high = static_cast<unsigned>(_mm_movemask_epi8(block));
        if (ends != 0) {
            const int k = std::countr_zero(ends);
            highBits |= high & ((1u << k) - 1);
            return LineEnd{p + k, highBits == 0};
        }
        highBits |= high;
    }
#endif
    for (; p != end && *p != '\r' && *p != '\n'; ++p)
        highBits |= static_cast<unsigned char>(*p) & 0x80u;
    return LineEnd{p, highBits == 0};
}

// The line between `first` and `last` (its terminator), without its blanks.
struct Trimmed
{
    const char *first;
    const char *last;
};
inline Trimmed trimBlanks(const char *first, const char *last)
{
    while (first < last && *first == ' ')
        ++first;
    while (last > first && last[-1] == ' ')
        --last;
    return Trimmed{first, last};
}
