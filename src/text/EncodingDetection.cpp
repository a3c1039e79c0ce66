#include "text/EncodingDetection.h"

#include "text/TextCodec.h"

#include <algorithm>

// In Latin text three of four code units or more hold a NUL byte, always on the same side. Text in
// the 8-bit code pages and in UTF-8 holds no NUL at all.
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

DetectedText detectEncoding(QByteArray bytes, bool wellFormedUtf8)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    if (hasUtf16Bom(s, n))
        return {fromUtf16(s + 2, n - 2, s[0] == 0xFE), TextEncoding::Utf8, 0};
    if (const Utf16Guess guess = guessUtf16(s, n); guess != Utf16Guess::No)
        return {fromUtf16(s, n, guess == Utf16Guess::BigEndian), TextEncoding::Utf8, 0};
    if (wellFormedUtf8) {
        const qsizetype begin = hasUtf8Bom(s, n) ? 3 : 0;
        return {std::move(bytes), TextEncoding::Utf8, begin};
    }
    if (hasUtf8Bom(s, n))
        return {repairUtf8(s + 3, n - 3), TextEncoding::Utf8, 0};
    return {std::move(bytes), TextEncoding::Windows1252, 0};
}
