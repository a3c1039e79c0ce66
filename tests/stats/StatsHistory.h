#pragma once

#include "HistoryFixture.h"

// Two releases: the first header has no date, the second is dated Friday 6 May 2011.
// 1 May 2011 is a Sunday.
inline HistoryDocument twoReleases()
{
    return makeDocument({QStringLiteral("Release Total Commander 8.0"),          // 0 header, no date
                         QStringLiteral("01.05.11 Added: a"),                    // 1 Sunday
                         QStringLiteral("02.05.11 Fixed: b"),                    // 2 Monday
                         QStringLiteral("08.05.11 Added: c"),                    // 3 Sunday
                         QString(),                                              // 4
                         QStringLiteral("06.05.11 Release Total Commander 7.0"), // 5 header, Friday
                         QStringLiteral("07.05.11 fixed: d"),                    // 6 Saturday
                         QStringLiteral("Some note")},                           // 7
                        {0, 5});
}

inline const QStringList DefaultVersionDetect{QStringLiteral("Release Total Commander"),
                                              QStringLiteral("New in version")};
