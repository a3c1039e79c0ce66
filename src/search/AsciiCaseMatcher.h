#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Finds an ASCII needle in UTF-8 bytes, letters without regard to case, at close to the speed of
// a plain byte search: it looks for the needle's least common byte (both cases at once) and
// checks the rest only where that byte stands. Bytes of multi-byte characters are never ASCII,
// so a hit can never start or end inside a character.
class AsciiCaseMatcher
{
public:
    // `needle` must be non-empty and ASCII only.
    explicit AsciiCaseMatcher(QByteArrayView needle);

    qsizetype length() const { return m_folded.size(); }

    // The first occurrence in [begin, end), or end when there is none.
    const char *find(const char *begin, const char *end) const;
    bool contains(QByteArrayView haystack) const
    {
        return find(haystack.begin(), haystack.end()) != haystack.end();
    }

    static bool isAscii(QByteArrayView bytes);

private:
    const char *findAnchor(const char *p, const char *limit) const;
    bool equalsAt(const char *start) const;

    QByteArray m_folded;    // the needle with its capitals made small
    qsizetype m_anchor = 0; // index of the byte looked for first
    unsigned char m_anchorByte = 0;
    bool m_anchorIsLetter = false;
};
