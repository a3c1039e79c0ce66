#pragma once

#include <QDebug>
#include <QMetaType>

#include <compare>
#include <cstddef>
#include <functional>

// A place counted from 0 in one kind of sequence. The lines of the history and the rows of a list
// are both counted so; each kind is a type of its own, so that a row is never passed where a line
// is meant, or the other way round. -1, the default, stands for none.
template <typename Kind> class Position
{
public:
    constexpr Position() = default;
    constexpr explicit Position(int value)
        : m_value(value)
    {
    }

    constexpr int value() const { return m_value; }
    // For indexing a container; only for a position that exists.
    constexpr std::size_t at() const { return static_cast<std::size_t>(m_value); }
    constexpr bool isNone() const { return m_value < 0; }

    constexpr bool operator==(const Position &) const = default;
    constexpr std::strong_ordering operator<=>(const Position &other) const
    {
        return m_value <=> other.m_value;
    }

    constexpr Position &operator++()
    {
        ++m_value;
        return *this;
    }
    constexpr Position &operator--()
    {
        --m_value;
        return *this;
    }
    constexpr Position &operator+=(int steps)
    {
        m_value += steps;
        return *this;
    }
    friend constexpr Position operator+(Position position, int steps)
    {
        return Position(position.m_value + steps);
    }
    friend constexpr Position operator-(Position position, int steps)
    {
        return Position(position.m_value - steps);
    }
    // How many steps lead from `from` to `to`.
    friend constexpr int operator-(Position to, Position from) { return to.m_value - from.m_value; }

    friend QDebug operator<<(QDebug debug, Position position)
    {
        QDebugStateSaver saver(debug);
        debug.nospace() << Kind::name << ' ' << position.m_value;
        return debug;
    }

private:
    int m_value = -1;
};

struct LineKind
{
    static constexpr const char *name = "line";
};
struct RowKind
{
    static constexpr const char *name = "row";
};
struct ReleaseKind
{
    static constexpr const char *name = "release";
};

// A line of the history file, from 0 in file order.
using LineIndex = Position<LineKind>;
// A row of a list, from 0 at the top.
using ListRow = Position<RowKind>;
// A release of the history, from 0 for the first in file order (the newest).
using ReleaseIndex = Position<ReleaseKind>;

inline constexpr LineIndex NoLine{};
inline constexpr ListRow NoRow{};

Q_DECLARE_METATYPE(LineIndex)
Q_DECLARE_METATYPE(ListRow)
Q_DECLARE_METATYPE(ReleaseIndex)

template <typename Kind> struct std::hash<Position<Kind>>
{
    std::size_t operator()(Position<Kind> position) const noexcept
    {
        return std::hash<int>()(position.value());
    }
};
