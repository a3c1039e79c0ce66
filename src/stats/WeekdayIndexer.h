#pragma once

#include "history/DateTextTable.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Tells on which weekday row (1 Sunday to 7 Saturday, 8 none) a line counts: the first weekday
// whose day text equals the line's day text, letters compared without regard to case. The day
// text depends only on the line's leading "dd.mm.yy", so it is worked out once per distinct date;
// formats that give one text for several dates (no day part, "MM", ...) stay exact that way.
class WeekdayIndexer
{
public:
    explicit WeekdayIndexer(const QString &dayFormat);

    int indexOf(QByteArrayView line);
    const QStringList &dayNames() const { return m_dayNames; }

private:
    int indexOfDayText(const QString &dayText) const;

    QStringList m_dayNames;
    DateTextTable m_dates;
    std::vector<std::int16_t> m_rowOfSlot; // the row of each date of the table, -1 until worked out
    int m_undatedIndex = 0;
    int m_lastCode = -1;
    int m_lastIndex = 0;
};
