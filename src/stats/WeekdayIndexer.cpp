#include "stats/WeekdayIndexer.h"

#include "history/LineRules.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdayCounts.h"

#include <new>

WeekdayIndexer::WeekdayIndexer(const QString &dayFormat)
    : m_dayFormat(dayFormat)
    , m_dayNames(DayNames(dayFormat))
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
    if (!m_rowByDate) {
        m_rowByDate.reset(static_cast<std::uint8_t *>(std::calloc(DateDigitsCount, 1)));
        if (!m_rowByDate)
            throw std::bad_alloc();
    }
    std::uint8_t &row = m_rowByDate.get()[code];
    if (row == 0)
        row = static_cast<std::uint8_t>(
            1 + indexOfDayText(GetDayText(QString::fromLatin1(line.first(8)), m_dayFormat)));
    m_lastCode = code;
    m_lastIndex = row - 1;
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
