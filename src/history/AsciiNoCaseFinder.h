#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Finds an ASCII word in bytes with ASCII letters compared without regard to case. It jumps with
// memchr to one rare character of the word (the ":" of "Added:", else its rarest letter in both
// cases) and checks the word around it, so a line is scanned at memchr speed.
class AsciiNoCaseFinder
{
public:
    explicit AsciiNoCaseFinder(QByteArrayView asciiWord = {});

    // Byte position of the first occurrence at or after `from`, or -1.
    qsizetype indexIn(QByteArrayView haystack, qsizetype from = 0) const;
    qsizetype size() const { return m_lower.size(); }

private:
    bool matchesAt(const char *p) const;

    QByteArray m_lower;
    qsizetype m_anchor = -1; // position in the word of the character jumped to; -1 for only blanks
    bool m_anchorHasCase = false;
};
