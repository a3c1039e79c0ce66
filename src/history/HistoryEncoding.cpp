#include "history/HistoryEncoding.h"

#include "history/Sse2.h"
#include "history/Utf8.h"
#include "settings/Windows1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace {

inline bool allAscii8(const unsigned char *s)
{
    quint64 word;
    std::memcpy(&word, s, 8);
    return (word & 0x8080808080808080ULL) == 0;
}

struct Utf8Unit
{
    std::uint8_t length = 0;
    std::array<char, 3> bytes{};
};

constexpr std::array<Utf8Unit, 256> makeCp1252Table()
{
    std::array<Utf8Unit, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        const char32_t cp = (b >= 0x80 && b < 0xA0) ? Windows1252High[b - 0x80] : b;
        Utf8Unit &u = table[b];
        if (cp < 0x80) {
            u = {1, {char(cp), 0, 0}};
        } else if (cp < 0x800) {
            u = {2, {char(0xC0 | (cp >> 6)), char(0x80 | (cp & 0x3F)), 0}};
        } else {
            u = {3, {char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))}};
        }
    }
    return table;
}

constexpr std::array<Utf8Unit, 256> Cp1252ToUtf8 = makeCp1252Table();

} // namespace

qsizetype validUtf8Prefix(const unsigned char *s, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        // History text is mostly ASCII: skip it eight bytes at a time.
        while (i + 8 <= n && allAscii8(s + i))
            i += 8;
        if (i >= n)
            break;
        const int len = Utf8::sequenceLength(s + i, n - i);
        if (len == 0)
            return i;
        i += len;
    }
    return n;
}

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

// The array grows once (in place, for a block of this size) and the text is rewritten from its end.
QByteArray fromWindows1252(QByteArray bytes)
{
    const qsizetype n = bytes.size();
    const qsizetype extra = windows1252Growth(reinterpret_cast<const unsigned char *>(bytes.constData()), n);
    if (extra == 0)
        return bytes;
    bytes.resize(n + extra);
    char *const base = bytes.data();
    windows1252ToUtf8Backward(base, base + n, base + n + extra);
    return bytes;
}

QByteArray windows1252LineToUtf8(QByteArrayView line)
{
    const auto *s = reinterpret_cast<const unsigned char *>(line.data());
    QByteArray utf8(line.size() + windows1252Growth(s, line.size()), Qt::Uninitialized);
    windows1252ToUtf8Backward(line.data(), line.data() + line.size(), utf8.data() + utf8.size());
    return utf8;
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

// A UTF-16 file saved without a BOM: in Latin text three of four code units or more hold a NUL
// byte, always on the same side. Text in the 8-bit code pages and in UTF-8 holds no NUL at all.
Utf16Guess guessUtf16(const unsigned char *s, qsizetype n)
{
    if (n < 8 || n % 2 != 0)
        return Utf16Guess::No;
    const qsizetype sample = std::min<qsizetype>(n, 4096);
    qsizetype evenNul = 0, oddNul = 0;
    for (qsizetype i = 0; i + 1 < sample; i += 2) {
        evenNul += s[i] == 0;
        oddNul += s[i + 1] == 0;
    }
    const qsizetype units = sample / 2;
    if (oddNul * 4 >= units * 3 && evenNul * 16 <= oddNul)
        return Utf16Guess::LittleEndian;
    if (evenNul * 4 >= units * 3 && oddNul * 16 <= evenNul)
        return Utf16Guess::BigEndian;
    return Utf16Guess::No;
}

qsizetype windows1252Growth(const unsigned char *s, qsizetype n)
{
    // Letters outside ASCII are rare: the text is counted in ASCII runs of eight bytes.
    qsizetype extra = 0;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        if (!allAscii8(s + i)) {
            for (int k = 0; k < 8; ++k)
                extra += Cp1252ToUtf8[s[i + k]].length - 1;
        }
    }
    for (; i < n; ++i)
        extra += Cp1252ToUtf8[s[i]].length - 1;
    return extra;
}

char *windows1252ToUtf8Backward(const char *from, const char *end, char *writeEnd)
{
    // Each byte is read before its UTF-8 form is written, which may cover it. When the output
    // lies over the input, writing never overtakes reading (the gap is what the bytes not yet
    // read will grow by), and once the gap is closed the rest is already in place.
    const char *r = end;
    while (r != from && writeEnd != r) {
        if (r - from >= 8 && allAscii8(reinterpret_cast<const unsigned char *>(r - 8))) {
            r -= 8;
            writeEnd -= 8;
            std::memmove(writeEnd, r, 8);
            continue;
        }
        const Utf8Unit &u = Cp1252ToUtf8[static_cast<unsigned char>(*--r)];
        writeEnd -= u.length;
        std::memcpy(writeEnd, u.bytes.data(), u.length);
    }
    return writeEnd - (r - from);
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

// The length of the ASCII run at the start of [s, s + n), found sixteen bytes at a time.
qsizetype asciiRun(const unsigned char *s, qsizetype n)
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
    return asciiRun(s, bytes.size()) == bytes.size();
}

qsizetype utf16Length(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return bytes.size();
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype units = 0;
    for (qsizetype i = 0; i < n;) {
        const qsizetype run = asciiRun(s + i, n - i);
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
        const qsizetype run = asciiRun(s + i, n - i);
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
