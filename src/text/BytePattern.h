#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

// Finds a text in bytes where each place of the text allows a few bytes (a letter in its cases),
// at close to the speed of a plain byte search: it looks for the text's two least common places
// sixteen starts at a time and checks the rest only where both fit. An ASCII word searched without
// regard to case is the common case; the bytes of a letter outside ASCII in Windows-1252 or UTF-8
// fit the same mould.
class BytePattern
{
public:
    // The bytes allowed at one place, a bit for each byte: a pattern is built from a few of them
    // each time a text is looked for, with no allocation per place.
    class Place
    {
    public:
        Place() = default;
        Place(std::initializer_list<unsigned char> bytes)
        {
            for (const unsigned char b : bytes)
                add(b);
        }
        void add(unsigned char b) { m_bits[b / 64] |= std::uint64_t(1) << (b % 64); }
        bool has(unsigned char b) const { return (m_bits[b / 64] >> (b % 64) & 1) != 0; }
        bool empty() const { return next(-1) < 0; }
        int count() const;
        // The lowest allowed byte above `after` (any for -1), or -1 when there is none.
        int next(int after) const;
        // The allowed bytes in ascending order.
        std::vector<unsigned char> bytes() const;

    private:
        std::array<std::uint64_t, 4> m_bits{};
    };

    BytePattern() = default;
    explicit BytePattern(std::span<const Place> places);
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
        int set = -1; // for places not checked by or-ing, their bytes in m_sets
    };
    // One place checked sixteen starts at a time.
    struct Probe
    {
        qsizetype offset = 0;             // the place, counted from the start of the pattern
        std::vector<unsigned char> bytes; // its bytes, when it is not checked by or-ing
    };
    struct Spelled
    {
        qsizetype offset;
        std::vector<QByteArray> spellings;
    };

    static PlaceBytes placeBytes(const Place &bytes);
    void chooseProbes();
    bool equalsAt(const char *start) const;
    bool allows(const PlaceBytes &place, unsigned char b) const
    {
        return place.byOr ? (b | place.orBits) == place.value
                          : m_sets[static_cast<std::size_t>(place.set)].has(b);
    }

    std::vector<PlaceBytes> m_places;
    std::vector<Place> m_sets; // the bytes of the places not checked by or-ing
    // When every place is checked by or-ing, eight places are compared at once.
    bool m_allByOr = true;
    // The value of each place, then the bits or-ed into the text's byte there, in one block.
    QByteArray m_valuesAndOrBits;
    std::vector<Spelled> m_spelled;
    Probe m_anchor;
    Probe m_second;
};
