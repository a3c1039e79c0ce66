#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Finds an ASCII word in bytes, letters without regard to case, at close to the speed of a plain
// byte search: it looks for the word's two least common bytes (both cases at once) sixteen places
// at a time and checks the rest only where both stand. Bytes of multi-byte UTF-8 characters are never ASCII,
// so a hit can never start or end inside a character.
class AsciiNoCaseFinder
{
public:
    explicit AsciiNoCaseFinder(QByteArrayView asciiWord = {});

    qsizetype size() const { return m_folded.size(); }

    // Byte position of the first occurrence at or after `from`, or -1. An empty word occurs at
    // `from` while that lies within the haystack.
    qsizetype indexIn(QByteArrayView haystack, qsizetype from = 0) const;
    // The first occurrence in [begin, end), or end when there is none or the word is empty.
    const char *find(const char *begin, const char *end) const;
    bool contains(QByteArrayView haystack) const
    {
        return find(haystack.begin(), haystack.end()) != haystack.end();
    }

    static bool isAscii(QByteArrayView bytes);
    // Whether well-formed UTF-8 text holds one of the two letters outside ASCII whose case folding
    // is an ASCII letter: LATIN SMALL LETTER LONG S (to "s") and KELVIN SIGN (to "k"). Only in
    // such text can a case-insensitive match of an ASCII word differ from this byte search.
    static bool mayFoldToAscii(QByteArrayView utf8);

private:
    // One byte of the word at a fixed place, matched in either case when it is a letter.
    struct Probe
    {
        qsizetype offset = 0;
        unsigned char byte = 0;
        unsigned char caseBit = 0; // 0x20 for a letter: or-ing it in folds both cases to one value
    };
    static Probe probeAt(const QByteArray &folded, qsizetype offset);
    bool equalsAt(const char *start) const;

    QByteArray m_folded;   // the word with its capitals made small
    QByteArray m_caseBits; // 0x20 where the word has a letter, else 0
    // Only where both probes match is the whole word compared: the least common byte of the word
    // and the next least common one, which keeps false candidates rare even for a common anchor.
    Probe m_anchor;
    Probe m_second;
};
