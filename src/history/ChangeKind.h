#pragma once

#include <cstdint>

// The kind of a history line; the value is also the number of the row's icon.
enum class ChangeKind : std::uint8_t {
    Other = 0,
    Addition = 2,
    Fix = 3,
};
