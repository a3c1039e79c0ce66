#include "text/TextCodec.h"

#include "text/Sse2.h"
#include "text/Utf8.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

// Everything downstream may rely on well-formed UTF-8.
QByteArray repairUtf8(const unsigned char *s, qsizetype n)
{
    QByteArray out;
    out.reserve(n + n / 8 + 16);
    qsizetype i = 0;
    while (i < n) {
        const int len = Utf8::sequenceLength(s + i, n - i);
        if (len == 0) {
            out.append("\xEF\xBF\xBD", 3);
            ++i;
        } else {
            out.append(reinterpret_cast<const char *>(s + i), len);
            i += len;
        }
    }
    return out;
}

QByteArray fromUtf16(const unsigned char *s, qsizetype n, bool bigEndian)
{
    const qsizetype units = n / 2;
    QByteArray out(units * 3 + 3, Qt::Uninitialized);
    char *o = out.data();
    auto unit = [&](qsizetype k) -> char16_t {
        const unsigned a = s[2 * k], b = s[2 * k + 1];
        return char16_t(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (qsizetype k = 0; k < units; ++k) {
        char32_t cp = unit(k);
        if (cp >= 0xD800 && cp <= 0xDBFF && k + 1 < units && unit(k + 1) >= 0xDC00 && unit(k + 1) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(k + 1) - 0xDC00);
            ++k;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD; // an unpaired surrogate
        }
        o = Utf8::encode(cp, o);
    }
    if (n % 2 != 0)
        o = Utf8::encode(0xFFFD, o); // a cut-off last unit
    out.truncate(o - out.constData());
    return out;
}

namespace {

constexpr std::array<char16_t, 256> makeWindows1252Table()
{
    std::array<char16_t, 256> table{};
    for (unsigned b = 0; b < 256; ++b)
        table[b] = (b >= 0x80 && b < 0xA0) ? Windows1252High[b - 0x80] : char16_t(b);
    return table;
}

constexpr std::array<char16_t, 256> Windows1252Characters = makeWindows1252Table();

} // namespace

// Sixteen bytes at a time.
qsizetype asciiPrefixLength(const unsigned char *s, qsizetype n)
{
    qsizetype i = 0;
#ifdef VELOMIR_HAVE_SSE2
    for (; i + 16 <= n; i += 16) {
        const auto high = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i))));
        if (high != 0)
            return i + std::countr_zero(high);
    }
#endif
    while (i < n && s[i] < 0x80)
        ++i;
    return i;
}

namespace {

// Writes ASCII bytes as UTF-16 and returns the position after them.
char16_t *widenAscii(const unsigned char *in, qsizetype n, char16_t *out)
{
    qsizetype i = 0;
#ifdef VELOMIR_HAVE_SSE2
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(chunk, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(chunk, zero));
    }
#endif
    for (; i < n; ++i)
        out[i] = in[i];
    return out + n;
}

} // namespace

bool isAscii(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    return asciiPrefixLength(s, bytes.size()) == bytes.size();
}

qsizetype utf16Length(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return bytes.size();
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype units = 0;
    for (qsizetype i = 0; i < n;) {
        const qsizetype run = asciiPrefixLength(s + i, n - i);
        units += run;
        i += run;
        if (i < n) {
            const int length = Utf8::sequenceLength(s + i, n - i);
            units += length == 4 ? 2 : 1;
            i += length == 0 ? 1 : length;
        }
    }
    return units;
}

char16_t *decodeInto(QByteArrayView bytes, TextEncoding encoding, char16_t *out)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const qsizetype run = asciiPrefixLength(s + i, n - i);
        out = widenAscii(s + i, run, out);
        i += run;
        if (i == n)
            break;
        if (encoding == TextEncoding::Windows1252) {
            *out++ = Windows1252Characters[s[i++]];
            continue;
        }
        const Utf8::CodePoint cp = Utf8::decode(s + i, n - i);
        if (cp.value >= 0x10000) {
            *out++ = QChar::highSurrogate(cp.value);
            *out++ = QChar::lowSurrogate(cp.value);
        } else {
            *out++ = char16_t(cp.value);
        }
        i += cp.length;
    }
    return out;
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding)
{
    QString text(utf16Length(bytes, encoding), Qt::Uninitialized);
    decodeInto(bytes, encoding, reinterpret_cast<char16_t *>(text.data()));
    return text;
}

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    return encoding == TextEncoding::Windows1252 ? encodeWindows1252(text) : text.toUtf8();
}

Character decodeCharacter(const unsigned char *s, qsizetype avail, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252 || s[0] < 0x80)
        return {Windows1252Characters[s[0]], 1};
    const Utf8::CodePoint cp = Utf8::decode(s, avail);
    return {cp.value, cp.length};
}
