#include "stats/WeekdayIndexer.h"

#include "history/LineRules.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdayCounts.h"

#include <new>

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

constexpr std::size_t DateCodes = 1000000;

// The six digits of a leading "dd.mm.yy" as one number, or -1 for a line without such a date.
int dateCode(QByteArrayView line)
{
    if (line.size() < 8)
        return -1;
    const char *b = line.data();
    if (!isDigit(b[0]) || !isDigit(b[1]) || b[2] != '.' || !isDigit(b[3]) || !isDigit(b[4]) || b[5] != '.' ||
        !isDigit(b[6]) || !isDigit(b[7]))
        return -1;
    return ((b[0] - '0') * 10 + (b[1] - '0')) * 10000 + ((b[3] - '0') * 10 + (b[4] - '0')) * 100 +
           (b[6] - '0') * 10 + (b[7] - '0');
}

} // namespace

WeekdayIndexer::WeekdayIndexer(const QString &dayFormat)
    : m_dayFormat(dayFormat)
    , m_dayNames(DayNames(dayFormat))
{
    m_undatedIndex = indexOfDayText(QString());
}

int WeekdayIndexer::indexOf(QByteArrayView line)
{
    const int code = dateCode(line);
    if (code < 0)
        return m_undatedIndex;
    // Lines of one day usually follow each other.
    if (code == m_lastCode)
        return m_lastIndex;
    if (!m_rowByDate) {
        m_rowByDate.reset(static_cast<std::uint8_t *>(std::calloc(DateCodes, 1)));
        if (!m_rowByDate)
            throw std::bad_alloc();
    }
    std::uint8_t &row = m_rowByDate.get()[code];
    if (row == 0)
        row = static_cast<std::uint8_t>(1 + indexOfDayText(GetDayText(QString::fromLatin1(line.first(8)), m_dayFormat)));
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
