#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

// Code points of bytes 0x80 to 0x9F; the five bytes the code page leaves unassigned keep their C1
// value. Every other byte equals its Latin-1 code point.
inline constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The 8-bit code page the file manager writes its INI files in. Every byte maps to one character
// (the five bytes the code page leaves unassigned map to the control characters of the same number),
// so decoding never fails and decoding then encoding gives back the same bytes.
QString decodeWindows1252(QByteArrayView bytes);

// Whether every character of the text has a byte in the code page.
bool fitsWindows1252(QStringView text);

// The text as code-page bytes; a character without a byte becomes "?" (callers check fitsWindows1252 first).
QByteArray encodeWindows1252(QStringView text);
