#pragma once

#include <QTest> // the tests that include this header take Qt Test from it

#include <array>
#include <tuple>
#include <utility>

// Declares the columns of a test's data table, one type and name each, and returns the function
// that adds a named row with one value per column:
//     const auto row = addColumns<QString, int>({"text", "length"});
//     row("empty text", "", 0);
template <typename... Types> auto addColumns(const std::array<const char *, sizeof...(Types)> &names)
{
    std::size_t column = 0;
    (QTest::addColumn<Types>(names[column++]), ...);
    return [](const char *rowName, const Types &...values) { (QTest::newRow(rowName) << ... << values); };
}

// The current row's values of the named columns, in their order:
//     auto [text, length] = fetch<QString, int>({"text", "length"});
template <typename... Types> auto fetch(const std::array<const char *, sizeof...(Types)> &names)
{
    return [&names]<std::size_t... Column>(std::index_sequence<Column...>)
    {
        return std::tuple<Types...>{
            *static_cast<Types *>(QTest::qData(names[Column], qMetaTypeId<Types>()))...};
    }
    (std::index_sequence_for<Types...>());
}
