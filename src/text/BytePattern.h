#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <vector>

// Finds a text in bytes where each place of the text allows a few bytes (a letter in its cases),
// at close to the speed of a plain byte search: it looks for the text's two least common places
// sixteen starts at a time and checks the rest only where both fit. An ASCII word searched without
// regard to case is the common case; the bytes of a letter outside ASCII in Windows-1252 or UTF-8
// fit the same mould.
class BytePattern
{
public:
    // The bytes allowed at one place.
    using Place = std::vector<unsigned char>;

    BytePattern() = default;
    explicit BytePattern(std::vector<Place> places);
    // An ASCII word, letters in either case. Bytes of multi-byte UTF-8 characters are never ASCII,
    // so in UTF-8 text a hit can never start or end inside a character.
    static BytePattern asciiNoCase(QByteArrayView asciiWord);

    // A character of several bytes at `offset` that matches only as one of `spellings` (each as
    // long as the character), where the bytes allowed at its places would let mixtures through.
    void addSpellings(qsizetype offset, std::vector<QByteArray> spellings);

    qsizetype size() const { return static_cast<qsizetype>(m_places.size()); }

    // Byte position of the first occurrence at or after `from`, or -1. An empty pattern occurs at
    // `from` while that lies within the haystack.
    qsizetype indexIn(QByteArrayView haystack, qsizetype from = 0) const;
    // The first occurrence in [begin, end), or end when there is none or the pattern is empty.
    const char *find(const char *begin, const char *end) const;
    bool contains(QByteArrayView haystack) const
    {
        return find(haystack.begin(), haystack.end()) != haystack.end();
    }

private:
    // The bytes of one place. When they are one byte, or two that differ in one bit, or-ing that
    // bit into a byte of the text makes it equal `value` exactly when the byte is allowed.
    struct PlaceBytes
    {
        unsigned char value = 0;
        unsigned char orBits = 0;
        bool byOr = true;
        std::array<std::uint64_t, 4> allowed{}; // a bit per byte, for places not checked by or-ing
        Place bytes;
    };
    // One place checked sixteen starts at a time.
    struct Probe
    {
        qsizetype offset = 0; // the place, counted from the start of the pattern
    };
    struct Spelled
    {
        qsizetype offset;
        std::vector<QByteArray> spellings;
    };

    static PlaceBytes placeBytes(Place bytes);
    void chooseProbes();
    bool equalsAt(const char *start) const;

    std::vector<PlaceBytes> m_places;
    // When every place is checked by or-ing, eight places are compared at once.
    bool m_allByOr = true;
    QByteArray m_values;
    QByteArray m_orBits;
    std::vector<Spelled> m_spelled;
    Probe m_anchor;
    Probe m_second;
};
