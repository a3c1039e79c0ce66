#pragma once

#include <QDebug>

#include <array>

// Additions, fixes and release headers per weekday. Index 1 is Sunday, 7 Saturday and 8 collects
// the lines whose day text names no weekday; index 0 is not used, so indices read as day numbers.
struct WeekdayCounts
{
    static constexpr int Sunday = 1;
    static constexpr int Saturday = 7;
    static constexpr int NoWeekday = 8;
    using PerDay = std::array<qint64, 9>;

    PerDay additions{};
    PerDay fixes{};
    PerDay headers{};

    bool operator==(const WeekdayCounts &) const = default;
};

QDebug operator<<(QDebug debug, const WeekdayCounts &counts);
