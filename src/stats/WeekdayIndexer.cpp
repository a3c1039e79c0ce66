#include "stats/WeekdayIndexer.h"

#include "history/LineRules.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdayCounts.h"

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

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
    auto it = m_indexByDate.find(code);
    if (it == m_indexByDate.end()) {
        const QString head = QString::fromLatin1(line.first(8));
        it = m_indexByDate.emplace(code, indexOfDayText(GetDayText(head, m_dayFormat))).first;
    }
    m_lastCode = code;
    m_lastIndex = it->second;
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
