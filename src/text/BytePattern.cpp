#include "text/BytePattern.h"
#include "text/Sse2.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

inline bool isLowerLetter(unsigned char c)
{
    return c >= 'a' && c <= 'z';
}

// How often a byte turns up in a change log written in English with dated lines, or in the
// letters outside ASCII of German, French or Russian text; the rarer the probe, the fewer places
// need checking.
int commonness(unsigned char c)
{
    static constexpr char ByFrequency[] = "etaoinsrhldcumfpgwybvkxjqz";
    const unsigned char lower = c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
    if (c == ' ')
        return 100;
    if (isLowerLetter(lower))
        return 90 - 3 * static_cast<int>(std::strchr(ByFrequency, lower) - ByFrequency);
    if (c >= '0' && c <= '9')
        return 60;
    if (c == '.' || c == ',' || c == ':')
        return 55;
    // The first byte of a UTF-8 letter of Latin or Cyrillic text stands before every such letter.
    if ((c >= 0xC2 && c <= 0xC5) || (c >= 0xD0 && c <= 0xD1))
        return 80;
    return 20;
}

} // namespace

int BytePattern::Place::count() const
{
    int n = 0;
    for (const std::uint64_t word : m_bits)
        n += std::popcount(word);
    return n;
}

int BytePattern::Place::next(int after) const
{
    for (int b = after + 1; b < 256; b = (b / 64 + 1) * 64) {
        const std::uint64_t above = m_bits[static_cast<std::size_t>(b / 64)] >> (b % 64);
        if (above != 0)
            return b + std::countr_zero(above);
    }
    return -1;
}

std::vector<unsigned char> BytePattern::Place::bytes() const
{
    std::vector<unsigned char> out;
    for (int b = next(-1); b >= 0; b = next(b))
        out.push_back(static_cast<unsigned char>(b));
    return out;
}

BytePattern::PlaceBytes BytePattern::placeBytes(const Place &bytes)
{
    PlaceBytes place;
    const int count = bytes.count();
    const int first = bytes.next(-1);
    const int second = count == 2 ? bytes.next(first) : -1;
    if (count == 1) {
        place.value = static_cast<unsigned char>(first);
    } else if (count == 2 && std::popcount(unsigned(first ^ second)) == 1) {
        place.orBits = static_cast<unsigned char>(first ^ second);
        place.value = static_cast<unsigned char>(second);
    } else {
        place.byOr = false;
    }
    return place;
}

BytePattern::BytePattern(std::span<const Place> places)
{
    const auto m = static_cast<qsizetype>(places.size());
    m_places.reserve(places.size());
    m_valuesAndOrBits = QByteArray(2 * m, Qt::Uninitialized);
    char *const values = m_valuesAndOrBits.data();
    for (qsizetype i = 0; i < m; ++i) {
        const Place &bytes = places[static_cast<std::size_t>(i)];
        PlaceBytes place = placeBytes(bytes);
        if (!place.byOr) {
            place.set = static_cast<int>(m_sets.size());
            m_sets.push_back(bytes);
        }
        m_allByOr = m_allByOr && place.byOr;
        values[i] = static_cast<char>(place.value);
        values[m + i] = static_cast<char>(place.orBits);
        m_places.push_back(place);
    }
    chooseProbes();
}

BytePattern BytePattern::asciiNoCase(QByteArrayView asciiWord)
{
    std::vector<Place> places;
    places.reserve(static_cast<std::size_t>(asciiWord.size()));
    for (const char c : asciiWord) {
        const auto b = static_cast<unsigned char>(c);
        const unsigned char lower = b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + 32) : b;
        if (isLowerLetter(lower))
            places.push_back({lower, static_cast<unsigned char>(lower - 32)});
        else
            places.push_back({b});
    }
    return BytePattern(places);
}

void BytePattern::addSpellings(qsizetype offset, std::vector<QByteArray> spellings)
{
    m_spelled.push_back(Spelled{offset, std::move(spellings)});
}

void BytePattern::chooseProbes()
{
    // Worked out once: a pattern is made each time a text is looked for.
    static const std::array<int, 256> byteCommonness = [] {
        std::array<int, 256> table{};
        for (unsigned b = 0; b < 256; ++b)
            table[b] = commonness(static_cast<unsigned char>(b));
        return table;
    }();
    // The least common place and the next least common one; a place of many bytes costs a
    // comparison for each.
    auto rank = [this](const PlaceBytes &place) {
        const auto common = [](unsigned char b) { return byteCommonness[b]; };
        if (place.byOr)
            return std::max(common(place.value),
                            common(static_cast<unsigned char>(place.value & ~place.orBits)));
        const Place &bytes = m_sets[static_cast<std::size_t>(place.set)];
        int most = 0;
        for (int b = bytes.next(-1); b >= 0; b = bytes.next(b))
            most = std::max(most, common(static_cast<unsigned char>(b)));
        return most + 10 * bytes.count();
    };
    int best = 1 << 30;
    int nextBest = 1 << 30;
    for (qsizetype i = 0; i < size(); ++i) {
        const int r = rank(m_places[static_cast<std::size_t>(i)]);
        if (r < best) {
            nextBest = best;
            m_second = m_anchor;
            best = r;
            m_anchor.offset = i;
        } else if (r < nextBest) {
            nextBest = r;
            m_second.offset = i;
        }
    }
    // A pattern of one place has no second probe: the anchor serves twice.
    if (size() < 2)
        m_second = m_anchor;
    for (Probe *probe : {&m_anchor, &m_second}) {
        const PlaceBytes &place = m_places[static_cast<std::size_t>(probe->offset)];
        if (!place.byOr)
            probe->bytes = m_sets[static_cast<std::size_t>(place.set)].bytes();
    }
}

qsizetype BytePattern::indexIn(QByteArrayView haystack, qsizetype from) const
{
    if (from < 0 || from > haystack.size())
        return -1;
    if (m_places.empty())
        return from;
    const char *hit = find(haystack.data() + from, haystack.data() + haystack.size());
    return hit == haystack.data() + haystack.size() ? -1 : hit - haystack.data();
}

const char *BytePattern::find(const char *begin, const char *end) const
{
    const qsizetype m = size();
    if (m == 0 || end - begin < m)
        return end;
    // Candidate starts run from begin to last, both included.
    const char *const last = end - m;
    const char *s = begin;
    const PlaceBytes &anchor = m_places[static_cast<std::size_t>(m_anchor.offset)];
    const PlaceBytes &second = m_places[static_cast<std::size_t>(m_second.offset)];
#ifdef VELOMIR_HAVE_SSE2
    // Bit k set: the place's byte for the start at + k is allowed. All loads stay before `end`.
    auto fits = [](const PlaceBytes &place, const Probe &probe, const char *at) {
        const __m128i text = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        if (place.byOr) {
            const __m128i bits = _mm_set1_epi8(static_cast<char>(place.orBits));
            return _mm_cmpeq_epi8(_mm_or_si128(text, bits), _mm_set1_epi8(static_cast<char>(place.value)));
        }
        __m128i any = _mm_setzero_si128();
        for (const unsigned char b : probe.bytes)
            any = _mm_or_si128(any, _mm_cmpeq_epi8(text, _mm_set1_epi8(static_cast<char>(b))));
        return any;
    };
    auto candidates = [&](const char *at) {
        const __m128i both = _mm_and_si128(fits(anchor, m_anchor, at + m_anchor.offset),
                                           fits(second, m_second, at + m_second.offset));
        return static_cast<unsigned>(_mm_movemask_epi8(both));
    };
    auto firstMatch = [&](const char *at, unsigned mask) -> const char * {
        for (; mask != 0; mask &= mask - 1) {
            const char *start = at + std::countr_zero(mask);
            if (equalsAt(start))
                return start;
        }
        return nullptr;
    };
    if (last - s >= 15) {
        for (; last - s >= 15; s += 16) {
            if (const char *hit = firstMatch(s, candidates(s)))
                return hit;
        }
        if (s <= last) {
            // The few starts left: one more block that ends at the last start, skipping those
            // it shares with the block before.
            const char *at = last - 15;
            const unsigned mask = candidates(at) & (~0u << (s - at));
            if (const char *hit = firstMatch(at, mask))
                return hit;
        }
        return end;
    }
#endif
    auto allowed = [this](const PlaceBytes &place, char c) {
        return allows(place, static_cast<unsigned char>(c));
    };
    for (; s <= last; ++s) {
        if (allowed(anchor, s[m_anchor.offset]) && allowed(second, s[m_second.offset]) && equalsAt(s))
            return s;
    }
    return end;
}

bool BytePattern::equalsAt(const char *start) const
{
    const qsizetype m = size();
    if (m_allByOr) {
        // Or-ing the bits into the bytes of the text makes them the pattern's values; eight (or
        // four) places are compared at once, the last piece overlapping the one before.
        const char *values = m_valuesAndOrBits.constData();
        const char *bits = values + m;
        auto equalAt = [&]<typename Word>(qsizetype i) {
            Word text, orBits, value;
            std::memcpy(&text, start + i, sizeof(Word));
            std::memcpy(&orBits, bits + i, sizeof(Word));
            std::memcpy(&value, values + i, sizeof(Word));
            return (text | orBits) == value;
        };
        const auto equal8 = [&](qsizetype i) { return equalAt.template operator()<std::uint64_t>(i); };
        const auto equal4 = [&](qsizetype i) { return equalAt.template operator()<std::uint32_t>(i); };
        if (m >= 8) {
            for (qsizetype i = 0; i + 8 < m; i += 8) {
                if (!equal8(i))
                    return false;
            }
            if (!equal8(m - 8))
                return false;
        } else if (m >= 4) {
            if (!equal4(0) || !equal4(m - 4))
                return false;
        } else {
            for (qsizetype i = 0; i < m; ++i) {
                if ((static_cast<unsigned char>(start[i]) | static_cast<unsigned char>(bits[i])) !=
                    static_cast<unsigned char>(values[i]))
                    return false;
            }
        }
    } else {
        for (qsizetype i = 0; i < m; ++i) {
            if (!allows(m_places[static_cast<std::size_t>(i)], static_cast<unsigned char>(start[i])))
                return false;
        }
    }
    for (const Spelled &spelled : m_spelled) {
        const QByteArrayView here(start + spelled.offset, spelled.spellings.front().size());
        if (std::none_of(spelled.spellings.begin(), spelled.spellings.end(),
                         [&here](const QByteArray &spelling) { return here == spelling; }))
            return false;
    }
    return true;
}
