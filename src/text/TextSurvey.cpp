#include "text/TextSurvey.h"

#include "text/CaseFolding.h"
#include "text/Sse2.h"
#include "text/Utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <thread>

namespace {

// Fewer bytes than this are surveyed on one thread.
constexpr qsizetype BytesForTwoStretches = qsizetype(2) << 20;

// The length of the UTF-8 sequence a byte begins, or 0 for a byte that begins none.
int expectedLength(unsigned char lead)
{
    return lead >= 0xC2 && lead <= 0xDF   ? 2
           : lead >= 0xE0 && lead <= 0xEF ? 3
           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                          : 0;
}

bool isOddWidthAt(const unsigned char *s, int length)
{
    return CaseFolding::oddWidthLeads()[s[0]] && CaseFolding::isOddWidth(Utf8::decode(s, length).value);
}

} // namespace

TextSurvey::Stretch::Stretch(qsizetype begin)
    : m_begin(begin)
    , m_end(begin)
    , m_checkedUpTo(begin)
    , m_checkStart(begin)
{
}

void TextSurvey::Stretch::survey(const char *bytes, qsizetype end)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes);
    if (end <= m_end)
        return;
    if (m_end == m_begin && m_begin > 0) {
        // A stretch that begins inside a character leaves it to the stretch before.
        while (m_checkedUpTo < end && m_checkedUpTo < m_begin + 3 && (s[m_checkedUpTo] & 0xC0) == 0x80)
            ++m_checkedUpTo;
        m_checkStart = m_checkedUpTo;
    }
    countLineEnds(s, m_end, end);
    if (m_utf8)
        checkUtf8(s, end);
    m_end = end;
}

void TextSurvey::Stretch::countLineEnds(const unsigned char *s, qsizetype from, qsizetype end)
{
    // A CR ends a line, and so does an LF unless it completes a CR LF.
    unsigned afterCr = from > m_begin && s[from - 1] == '\r' ? 1 : 0;
    qsizetype count = 0;
    qsizetype i = from;
#ifdef VELOMIR_HAVE_SSE2
    if (end - from > 16) {
        // The first byte alone: the one before it may lie in a stretch still being read. From then
        // on each byte is compared with the one before it, loaded one byte earlier. A line end
        // adds one to its byte's lane; the lanes are summed before any can overflow (without a
        // processor's popcount, counting the bits of masks took a call per block).
        count += s[i] == '\r' || (s[i] == '\n' && afterCr == 0);
        ++i;
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        while (i + 16 <= end) {
            __m128i lanes = _mm_setzero_si128();
            const qsizetype stop = std::min(end, i + qsizetype(255) * 16);
            for (; i + 16 <= stop; i += 16) {
                const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i));
                const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i - 1));
                const __m128i ends =
                    _mm_or_si128(_mm_cmpeq_epi8(block, cr),
                                 _mm_andnot_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(block, lf)));
                lanes = _mm_sub_epi8(lanes, ends);
            }
            const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
            count += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
        }
        afterCr = s[i - 1] == '\r' ? 1 : 0;
    }
#endif
    for (; i < end; ++i) {
        if (s[i] == '\r') {
            ++count;
            afterCr = 1;
        } else {
            count += s[i] == '\n' && afterCr == 0;
            afterCr = 0;
        }
    }
    m_lineEnds += count;
}

void TextSurvey::Stretch::checkUtf8(const unsigned char *s, qsizetype end)
{
    // Most text is ASCII with a letter of two bytes here and there: a block of sixteen ASCII bytes
    // is passed at once, and the other bytes are found from the block's top bits, without a call.
    const std::array<bool, 256> &oddLeads = CaseFolding::oddWidthLeads();
    qsizetype i = m_checkedUpTo;
    while (i < end) {
#ifdef VELOMIR_HAVE_SSE2
        if (end - i >= 16) {
            const auto high = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i))));
            if (high == 0) {
                i += 16;
                continue;
            }
            i += std::countr_zero(high);
        }
#endif
        const unsigned char lead = s[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int length = expectedLength(lead);
        if (length == 0) {
            m_utf8 = false;
            return;
        }
        if (end - i < length)
            break; // the rest of the character is still to come, or cut off at the end
        if (length == 2 ? (s[i + 1] & 0xC0) != 0x80 : Utf8::sequenceLength(s + i, length) != length) {
            m_utf8 = false;
            return;
        }
        if (oddLeads[lead] && CaseFolding::isOddWidth(Utf8::decode(s + i, length).value))
            m_oddLetters.push_back(i);
        i += length;
    }
    m_checkedUpTo = i;
}

TextSurvey TextSurvey::join(const QByteArray &bytes, Stretch first, std::optional<Stretch> second)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    TextSurvey survey;
    survey.m_lineEnds = first.m_lineEnds;
    survey.m_utf8 = first.m_utf8;
    survey.m_oddLetters = std::move(first.m_oddLetters);
    const Stretch *last = &first;
    if (second) {
        const qsizetype middle = second->m_begin;
        survey.m_middle = middle;
        survey.m_lineEndsBeforeMiddle = first.m_lineEnds;
        const bool lfCompletingCr = middle > 0 && s[middle - 1] == '\r' && s[middle] == '\n';
        survey.m_lineEnds += second->m_lineEnds - (lfCompletingCr ? 1 : 0);
        survey.m_utf8 = survey.m_utf8 && second->m_utf8;
        // The character the first stretch left unfinished must end where the second began to check.
        qsizetype i = first.m_checkedUpTo;
        while (survey.m_utf8 && i < second->m_checkStart) {
            const int length = Utf8::sequenceLength(s + i, n - i);
            if (length == 0)
                break;
            if (isOddWidthAt(s + i, length))
                survey.m_oddLetters.push_back(i);
            i += length;
        }
        survey.m_utf8 = survey.m_utf8 && i == second->m_checkStart;
        survey.m_oddLetters.insert(survey.m_oddLetters.end(), second->m_oddLetters.begin(),
                                   second->m_oddLetters.end());
        last = &*second;
    }
    // A character cut off at the end.
    survey.m_utf8 = survey.m_utf8 && last->m_checkedUpTo == n;
    if (!survey.m_utf8)
        survey.m_oddLetters.clear();
    return survey;
}

TextSurvey TextSurvey::of(const QByteArray &bytes)
{
    const qsizetype n = bytes.size();
    if (n < BytesForTwoStretches) {
        Stretch whole;
        whole.survey(bytes.constData(), n);
        return join(bytes, std::move(whole), std::nullopt);
    }
    Stretch first(0);
    Stretch second(n / 2);
    {
        const std::jthread helper([&] { second.survey(bytes.constData(), n); });
        first.survey(bytes.constData(), n / 2);
    }
    return join(bytes, std::move(first), std::move(second));
}

qsizetype TextSurvey::lineCount(const QByteArray &bytes, qsizetype begin) const
{
    const qsizetype n = bytes.size();
    if (n <= begin)
        return 1; // an empty file holds one empty line
    const char last = bytes[n - 1];
    return m_lineEnds + (last == '\r' || last == '\n' ? 0 : 1);
}
