#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The 8-bit code page the file manager writes its INI files in. Every byte maps to one character
// (the five bytes the code page leaves unassigned map to the control characters of the same number),
// so decoding never fails and decoding then encoding gives back the same bytes.
QString decodeWindows1252(QByteArrayView bytes);

// Whether every character of the text has a byte in the code page.
bool fitsWindows1252(QStringView text);

// The text as code-page bytes; a character without a byte becomes "?" (callers check fitsWindows1252 first).
QByteArray encodeWindows1252(QStringView text);
