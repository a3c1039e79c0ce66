#pragma once

#include <QByteArrayView>

#include <cstdint>

// The encodings a text is held in: a file's own bytes when they are UTF-8 or Windows-1252 (the
// code page the file manager writes), and UTF-8 for a file that came in UTF-16.
enum class TextEncoding : std::uint8_t { Utf8, Windows1252 };

// One line as a search reads it: its bytes in the text's encoding, and whether it is plain.
// A plain line holds no letter whose case partners are written with another number of bytes (such
// as KELVIN SIGN, which folds to "k"): in it a text is found byte by byte, each letter in any of
// its cases. Every line of Windows-1252 is plain: each of its characters is one byte.
struct LineText
{
    QByteArrayView bytes;
    TextEncoding encoding = TextEncoding::Utf8;
    bool plain = true;
};
