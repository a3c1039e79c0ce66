#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Finds an ASCII word in bytes, letters without regard to case, at close to the speed of a plain
// byte search: it looks for the word's least common byte (both cases at once) and checks the rest
// only where that byte stands. Bytes of multi-byte UTF-8 characters are never ASCII, so a hit can
// never start or end inside a character.
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

private:
    const char *findAnchor(const char *p, const char *limit) const;
    bool equalsAt(const char *start) const;

    QByteArray m_folded;    // the word with its capitals made small
    qsizetype m_anchor = 0; // index of the byte looked for first
    unsigned char m_anchorByte = 0;
    bool m_anchorIsLetter = false;
};
