#pragma once

#include "text/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text held in its own bytes: conversion of UTF-16 and of broken UTF-8 to well-formed UTF-8, and
// the decoding of held bytes, in their encoding, to characters.

// Whether no byte has its top bit set.
bool isAscii(QByteArrayView bytes);
// How many bytes at the start have their top bit clear.
qsizetype asciiPrefixLength(const unsigned char *s, qsizetype n);

// How many UTF-16 code units the bytes decode to. In UTF-8 a byte that starts no well-formed
// sequence is one character U+FFFD, as Utf8::decode reads it.
qsizetype utf16Length(QByteArrayView bytes, TextEncoding encoding);
// Writes the characters of the bytes at `out`, which has room for utf16Length of them, and returns
// the position after them.
char16_t *decodeInto(QByteArrayView bytes, TextEncoding encoding, char16_t *out);
QString decodeText(QByteArrayView bytes, TextEncoding encoding);
// The text in the encoding; in Windows-1252 a character the code page lacks becomes "?".
QByteArray encodeText(QStringView text, TextEncoding encoding);
// The character at `s` and its length in bytes (never more than `avail`, at least 1).
struct Character
{
    char32_t value;
    int length;
};
Character decodeCharacter(const unsigned char *s, qsizetype avail, TextEncoding encoding);

// Text after a UTF-8 BOM that is not well formed keeps its good parts; each bad byte becomes U+FFFD.
QByteArray repairUtf8(const unsigned char *s, qsizetype n);

// UTF-16 code units (without BOM) as UTF-8; unpaired surrogates and a cut-off unit become U+FFFD.
QByteArray fromUtf16(const unsigned char *s, qsizetype n, bool bigEndian);
