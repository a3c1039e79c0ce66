#pragma once

#include <array>
#include <vector>

// Letters compared without regard to case are compared by their simple case folding, as Qt's
// case-insensitive comparisons of strings compare them (QChar::toCaseFolded).
namespace CaseFolding {

inline constexpr char32_t LastCasedCharacter = 0x1FFFF; // no letter of a later plane has a case

char32_t fold(char32_t c);

// Every character with the folding of `c`, `c` among them, in code point order.
std::vector<char32_t> sameFolding(char32_t c);

// Whether a character folds to a character of another length in UTF-8, such as KELVIN SIGN (three
// bytes) to "k" and LATIN SMALL LETTER LONG S (two bytes) to "s". In text without them, a letter
// and every letter it matches without regard to case take the same number of bytes.
bool isOddWidth(char32_t c);
// Whether a byte begins the UTF-8 form of some character of odd width; most bytes begin none.
const std::array<bool, 256> &oddWidthLeads();

// The folding of the character of each Windows-1252 byte.
const std::array<char16_t, 256> &windows1252Folds();

} // namespace CaseFolding
