#include "text/TextFinder.h"

#include "text/CaseFolding.h"
#include "text/TextCodec.h"
#include "text/Utf8.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The UTF-8 bytes of one character. Not through QString::fromUcs4, which takes U+FEFF at the
// start for a byte order mark and drops it.
QByteArray utf8Of(char32_t c)
{
    char bytes[4];
    return QByteArray(bytes, Utf8::encode(c, bytes) - bytes);
}

// The bytes of an ASCII character in UTF-8 text found without regard to case, worked out once:
// the character and its other case when that is ASCII too, and whether it has partners of another
// width (KELVIN SIGN for "k", LATIN SMALL LETTER LONG S for "s").
struct AsciiCases
{
    BytePattern::Place bytes;
    bool otherWidths = false;
};

const std::array<AsciiCases, 128> &asciiCaseTable()
{
    static const std::array<AsciiCases, 128> table = [] {
        std::array<AsciiCases, 128> cases;
        for (char32_t c = 0; c < 0x80; ++c) {
            AsciiCases &entry = cases[c];
            for (const char32_t same : CaseFolding::sameFolding(c)) {
                if (same < 0x80)
                    entry.bytes.add(static_cast<unsigned char>(same));
                else
                    entry.otherWidths = true;
            }
        }
        return cases;
    }();
    return table;
}

// Every Windows-1252 byte with the folding of its character, sorted by folding and then byte, so
// that the bytes of a letter in any case are found without a pass over all 256.
const std::array<std::pair<char16_t, unsigned char>, 256> &windows1252ByFolding()
{
    static const std::array<std::pair<char16_t, unsigned char>, 256> table = [] {
        const std::array<char16_t, 256> &folds = CaseFolding::windows1252Folds();
        std::array<std::pair<char16_t, unsigned char>, 256> pairs;
        for (unsigned b = 0; b < 256; ++b)
            pairs[b] = {folds[b], static_cast<unsigned char>(b)};
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }();
    return table;
}

// The places of a pattern as it is built; a text of usual length needs no allocation for them.
using Places = QVarLengthArray<BytePattern::Place, 32>;

} // namespace

TextFinder::TextFinder(const QString &text, TextEncoding encoding)
    : m_text(text)
    , m_encoding(encoding)
{
    if (m_text.isEmpty())
        return;
    if (m_encoding == TextEncoding::Windows1252)
        makeWindows1252Pattern();
    else
        makeUtf8Pattern();
}

void TextFinder::makeWindows1252Pattern()
{
    // Each character of the line is one byte, so each character of the text stands for the bytes
    // whose characters fold as it does. No such byte: no line can hold the text.
    const std::array<std::pair<char16_t, unsigned char>, 256> &byFolding = windows1252ByFolding();
    Places places;
    // Read through a const view: the text is shared with the caller, and must not be copied.
    for (const QChar c : std::as_const(m_text)) {
        BytePattern::Place place;
        // Half of a surrogate pair matches no character of the code page.
        if (!c.isSurrogate()) {
            const auto folded = static_cast<char16_t>(CaseFolding::fold(c.unicode()));
            for (auto it = std::lower_bound(byFolding.begin(), byFolding.end(),
                                            std::pair<char16_t, unsigned char>(folded, 0));
                 it != byFolding.end() && it->first == folded; ++it)
                place.add(it->second);
        }
        if (place.empty()) {
            m_never = true;
            return;
        }
        places.push_back(place);
    }
    m_pattern.emplace(places);
}

void TextFinder::makeUtf8Pattern()
{
    // A character stands for the characters that fold as it does and take as many bytes as its
    // folding; the others (of another width) occur only in lines that are not plain.
    const std::array<AsciiCases, 128> &asciiCases = asciiCaseTable();
    Places places;
    std::vector<std::pair<qsizetype, std::vector<QByteArray>>> spelled;
    const QString &text = m_text; // read only: the text is shared with the caller
    for (qsizetype k = 0; k < text.size(); ++k) {
        char32_t c = text[k].unicode();
        if (c < 0x80) {
            // The common case, without a table search: an ASCII character and its other case.
            const AsciiCases &cases = asciiCases[c];
            places.push_back(cases.bytes);
            m_plainLinesOnly = m_plainLinesOnly || cases.otherWidths;
            continue;
        }
        if (QChar::isHighSurrogate(c) && k + 1 < text.size() && text[k + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[k].unicode(), text[k + 1].unicode());
            ++k;
        } else if (QChar::isSurrogate(c))
            return; // half of a pair: only the decoded line can say what Qt makes of it
        const char32_t folded = CaseFolding::fold(c);
        const QByteArray foldedBytes = utf8Of(folded);
        std::vector<QByteArray> spellings;
        for (const char32_t same : CaseFolding::sameFolding(c)) {
            const QByteArray bytes = utf8Of(same);
            if (bytes.size() == foldedBytes.size())
                spellings.push_back(bytes);
            else
                m_plainLinesOnly = true;
        }
        if (spellings.empty())
            return;
        const qsizetype offset = static_cast<qsizetype>(places.size());
        int differing = 0;
        for (qsizetype i = 0; i < foldedBytes.size(); ++i) {
            BytePattern::Place place;
            for (const QByteArray &spelling : spellings)
                place.add(static_cast<unsigned char>(spelling[i]));
            differing += place.count() > 1;
            places.push_back(place);
        }
        // Spellings that differ in one byte only are told apart by that byte; in more, the bytes
        // allowed at each place would also let mixtures of two spellings through.
        if (differing > 1)
            spelled.emplace_back(offset, std::move(spellings));
    }
    m_pattern.emplace(places);
    for (auto &[offset, spellings] : spelled)
        m_pattern->addSpellings(offset, std::move(spellings));
}

bool TextFinder::decodes(const LineText &line) const
{
    return !m_pattern || (m_plainLinesOnly && !line.plain);
}

qsizetype TextFinder::decodedIndexIn(const LineText &line) const
{
    return decodeText(line.bytes, line.encoding).indexOf(m_text, 0, Qt::CaseInsensitive);
}

bool TextFinder::contains(const LineText &line) const
{
    if (m_text.isEmpty())
        return true;
    if (m_never)
        return false;
    if (decodes(line))
        return decodedIndexIn(line) >= 0;
    return m_pattern->contains(line.bytes);
}

qsizetype TextFinder::indexIn(const LineText &line) const
{
    if (m_text.isEmpty())
        return 0;
    if (m_never)
        return -1;
    if (decodes(line))
        return decodedIndexIn(line);
    const qsizetype at = m_pattern->indexIn(line.bytes);
    return at < 0 ? -1 : utf16Length(line.bytes.first(at), line.encoding);
}
