#pragma once

#include <QtGlobal>

// Small UTF-8 helpers shared by the reader and the line matcher. They never read past `avail`.
namespace Utf8 {

// Length of the well-formed sequence at `s`, or 0 when the bytes there are not one
// (overlong forms, surrogates and code points past U+10FFFF are not well formed).
inline int sequenceLength(const unsigned char *s, qsizetype avail)
{
    const unsigned c = s[0];
    if (c < 0x80)
        return 1;
    auto cont = [&](qsizetype i, unsigned lo = 0x80, unsigned hi = 0xBF) {
        return i < avail && s[i] >= lo && s[i] <= hi;
    };
    if (c >= 0xC2 && c <= 0xDF)
        return cont(1) ? 2 : 0;
    if (c == 0xE0)
        return cont(1, 0xA0) && cont(2) ? 3 : 0;
    if (c == 0xED)
        return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;
    if (c >= 0xE1 && c <= 0xEF)
        return cont(1) && cont(2) ? 3 : 0;
    if (c == 0xF0)
        return cont(1, 0x90) && cont(2) && cont(3) ? 4 : 0;
    if (c >= 0xF1 && c <= 0xF3)
        return cont(1) && cont(2) && cont(3) ? 4 : 0;
    if (c == 0xF4)
        return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
    return 0;
}

// The code point at `s` and its length in bytes; a byte that starts no well-formed sequence
// counts as one character U+FFFD, so every byte string is a sequence of characters.
struct CodePoint
{
    char32_t value;
    int length;
};

inline CodePoint decode(const unsigned char *s, qsizetype avail)
{
    const int len = sequenceLength(s, avail);
    switch (len) {
    case 1:
        return {s[0], 1};
    case 2:
        return {char32_t((s[0] & 0x1Fu) << 6 | (s[1] & 0x3Fu)), 2};
    case 3:
        return {char32_t((s[0] & 0x0Fu) << 12 | (s[1] & 0x3Fu) << 6 | (s[2] & 0x3Fu)), 3};
    case 4:
        return {char32_t((s[0] & 0x07u) << 18 | (s[1] & 0x3Fu) << 12 | (s[2] & 0x3Fu) << 6 | (s[3] & 0x3Fu)),
                4};
    default:
        return {0xFFFD, 1};
    }
}

// Appends the UTF-8 form of `cp` at `out` and returns the position after it.
inline char *encode(char32_t cp, char *out)
{
    if (cp < 0x80) {
        *out++ = char(cp);
    } else if (cp < 0x800) {
        *out++ = char(0xC0 | (cp >> 6));
        *out++ = char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = char(0xE0 | (cp >> 12));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        *out++ = char(0x80 | (cp & 0x3F));
    } else {
        *out++ = char(0xF0 | (cp >> 18));
        *out++ = char(0x80 | ((cp >> 12) & 0x3F));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        *out++ = char(0x80 | (cp & 0x3F));
    }
    return out;
}

} // namespace Utf8
