#include "stats/WeekdayIndexer.h"

#include "history/LineRules.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdayCounts.h"

WeekdayIndexer::WeekdayIndexer(const QString &dayFormat)
    : m_dayNames(DayNames(dayFormat))
    , m_dates(dayFormat)
{
    m_undatedIndex = indexOfDayText(QString());
}

int WeekdayIndexer::indexOf(QByteArrayView line)
{
    const int code = dateDigits(line);
    if (code < 0)
        return m_undatedIndex;
    // Lines of one day usually follow each other.
    if (code == m_lastCode)
        return m_lastIndex;
    const auto slot = static_cast<std::size_t>(m_dates.formattedSlotOf(code));
    if (slot >= m_rowOfSlot.size())
        m_rowOfSlot.resize(slot + 1, -1);
    if (m_rowOfSlot[slot] < 0)
        m_rowOfSlot[slot] = static_cast<std::int16_t>(indexOfDayText(m_dates.dayText(int(slot))));
    m_lastCode = code;
    m_lastIndex = m_rowOfSlot[slot];
    return m_lastIndex;
}

int WeekdayIndexer::indexOfDayText(const QString &dayText) const
{
    for (int k = 0; k < m_dayNames.size(); ++k) {
        if (dayText.compare(m_dayNames[k], Qt::CaseInsensitive) == 0)
            return WeekdayCounts::Sunday + k;
    }
    return WeekdayCounts::NoWeekday;
}
