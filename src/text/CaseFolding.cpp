#include "text/CaseFolding.h"

#include "text/Utf8.h"
#include "text/Windows1252.h"

#include <QChar>

#include <algorithm>
#include <bitset>
#include <memory>
#include <utility>

namespace {

int utf8Width(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// Who folds to whom, worked out once from Qt's own tables: every character that folds to another.
struct Folds
{
    std::vector<std::pair<char32_t, char32_t>> byFolding; // (folding, character), sorted
    std::bitset<CaseFolding::LastCasedCharacter + 1> oddWidth;
    std::array<char16_t, 256> windows1252{};
    std::array<bool, 256> oddWidthLeads{};

    Folds()
    {
        for (char32_t c = 0; c <= CaseFolding::LastCasedCharacter; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            const char32_t folded = QChar::toCaseFolded(c);
            if (folded == c)
                continue;
            byFolding.emplace_back(folded, c);
            if (utf8Width(folded) != utf8Width(c)) {
                oddWidth.set(c);
                char utf8[4];
                Utf8::encode(c, utf8);
                oddWidthLeads[static_cast<unsigned char>(utf8[0])] = true;
            }
        }
        std::sort(byFolding.begin(), byFolding.end());
        for (unsigned b = 0; b < 256; ++b) {
            const char16_t c = (b >= 0x80 && b < 0xA0) ? Windows1252High[b - 0x80] : char16_t(b);
            windows1252[b] = char16_t(QChar::toCaseFolded(char32_t(c)));
        }
    }
};

const Folds &folds()
{
    static const Folds table;
    return table;
}

} // namespace

namespace CaseFolding {

char32_t fold(char32_t c)
{
    return QChar::toCaseFolded(c);
}

std::vector<char32_t> sameFolding(char32_t c)
{
    const char32_t folded = fold(c);
    std::vector<char32_t> out;
    if (fold(folded) == folded)
        out.push_back(folded);
    const auto &byFolding = folds().byFolding;
    const auto first = std::lower_bound(byFolding.begin(), byFolding.end(), std::pair{folded, char32_t(0)});
    for (auto it = first; it != byFolding.end() && it->first == folded; ++it)
        out.push_back(it->second);
    std::sort(out.begin(), out.end());
    return out;
}

bool isOddWidth(char32_t c)
{
    return c <= LastCasedCharacter && folds().oddWidth.test(c);
}

const std::array<bool, 256> &oddWidthLeads()
{
    return folds().oddWidthLeads;
}

const std::array<char16_t, 256> &windows1252Folds()
{
    return folds().windows1252;
}

} // namespace CaseFolding
