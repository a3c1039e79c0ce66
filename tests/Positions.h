#pragma once

#include "history/Position.h"

#include <QList>

#include <initializer_list>
#include <vector>

// Lines and rows written as numbers in test tables: 3_line, 2_row.
constexpr LineIndex operator""_line(unsigned long long n)
{
    return LineIndex(static_cast<int>(n));
}
constexpr ListRow operator""_row(unsigned long long n)
{
    return ListRow(static_cast<int>(n));
}

inline std::vector<LineIndex> lineList(std::initializer_list<int> numbers)
{
    std::vector<LineIndex> out;
    for (const int n : numbers)
        out.emplace_back(n);
    return out;
}

// Lines as plain numbers, to compare with a table's list of numbers.
template <typename Container> QList<int> numbersOf(const Container &positions)
{
    QList<int> out;
    for (const auto position : positions)
        out << position.value();
    return out;
}
