#pragma once

#include "text/TextEncoding.h"

#include <QByteArray>

// Which encoding a file's bytes are in, and the text they hold as it is kept: a UTF-16 BOM means
// UTF-16 (LE or BE), as does a file saved without BOM whose code units mostly hold a NUL byte on
// one side; a UTF-8 BOM or well-formed UTF-8 means UTF-8; anything else is Windows-1252.

inline bool hasUtf16Bom(const unsigned char *s, qsizetype n)
{
    return n >= 2 && ((s[0] == 0xFF && s[1] == 0xFE) || (s[0] == 0xFE && s[1] == 0xFF));
}

inline bool hasUtf8Bom(const unsigned char *s, qsizetype n)
{
    return n >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF;
}

enum class Utf16Guess { No, LittleEndian, BigEndian };
// A UTF-16 file saved without a BOM, told from the first 4096 bytes of the `n` bytes of a file.
Utf16Guess guessUtf16(const unsigned char *s, qsizetype n);

struct DetectedText
{
    // The file's own bytes when they are UTF-8 or Windows-1252; UTF-16 converted to UTF-8, and
    // broken UTF-8 behind a BOM repaired (each bad byte U+FFFD).
    QByteArray text;
    TextEncoding encoding = TextEncoding::Utf8;
    qsizetype begin = 0; // where the text begins: after a UTF-8 BOM left in place, else 0
};
// `wellFormedUtf8` says whether the bytes are well-formed UTF-8 (as a TextSurvey learns it).
DetectedText detectEncoding(QByteArray bytes, bool wellFormedUtf8);
