#pragma once

#include <Qt>

// Item data roles the statistics lists share with their sort proxy.
namespace StatisticsRoles {
// A number (compared as a number) or a text (compared without regard to case).
inline constexpr int SortValue = Qt::UserRole;
// Rows that stay below the others whatever the order (the rule and the total).
inline constexpr int PinnedBelow = Qt::UserRole + 1;
// The release key of a row of the release list.
inline constexpr int ReleaseKey = Qt::UserRole + 2;
} // namespace StatisticsRoles
