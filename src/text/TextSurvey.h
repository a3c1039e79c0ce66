#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// What a first look at a file's bytes learns, chunk by chunk while each chunk is fresh in the
// cache after it was read: how many lines end, whether the bytes are well-formed UTF-8, and where
// letters of odd width stand (CaseFolding::isOddWidth). The line count fixes the size of the line
// index before it is built, and lets a file whose index would be too large be refused first.
class TextSurvey
{
public:
    // One stretch of the bytes, surveyed in order as they arrive. Two stretches may be surveyed
    // side by side on two threads and joined.
    class Stretch
    {
    public:
        explicit Stretch(qsizetype begin = 0);
        // Bytes up to `end` of the buffer at `bytes` have arrived, those before the stretch's
        // begin perhaps not yet.
        void survey(const char *bytes, qsizetype end);
        qsizetype surveyed() const { return m_end; }

    private:
        friend class TextSurvey;
        void countLineEnds(const unsigned char *s, qsizetype from, qsizetype end);
        void checkUtf8(const unsigned char *s, qsizetype end);

        qsizetype m_begin;
        qsizetype m_end;
        // CR, and LF not right after a CR, where they stand; an LF at the very begin counts even
        // after a CR of the stretch before, which the join takes back.
        qsizetype m_lineEnds = 0;
        bool m_utf8 = true;
        qsizetype m_checkedUpTo; // where the next character to check as UTF-8 begins
        qsizetype m_checkStart;  // where checking began: after the bytes of a character begun before
        std::vector<qsizetype> m_oddLetters;
    };

    TextSurvey() = default;
    // The survey of the whole buffer from its stretches: `second`, when there is one, follows
    // `first` directly and reaches the end.
    static TextSurvey join(const QByteArray &bytes, Stretch first, std::optional<Stretch> second);
    // The survey of bytes all present, in two stretches on two threads when they are many.
    static TextSurvey of(const QByteArray &bytes);

    // Lines from `begin` to the end (a terminator at the very end opens no further line).
    qsizetype lineCount(const QByteArray &bytes, qsizetype begin) const;
    bool isUtf8() const { return m_utf8; }
    // Byte positions of the letters of odd width, when the bytes are UTF-8; in order.
    const std::vector<qsizetype> &oddLetters() const { return m_oddLetters; }
    // Where the second stretch began (0 with one), and how many line ends come before it.
    qsizetype middle() const { return m_middle; }
    qsizetype lineEndsBeforeMiddle() const { return m_lineEndsBeforeMiddle; }

private:
    qsizetype m_lineEnds = 0;
    bool m_utf8 = true;
    std::vector<qsizetype> m_oddLetters;
    qsizetype m_middle = 0;
    qsizetype m_lineEndsBeforeMiddle = 0;
};
