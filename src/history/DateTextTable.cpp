#include "history/DateTextTable.h"

#include "history/LineRules.h"

#include <QLocale>

#include <algorithm>
#include <optional>
#include <thread>

namespace {

// Whether a format gives one text for every date of a weekday: no quoted text, no month, no year,
// and the day only by its name ("ddd" or "dddd"). Anything else is formatted date by date.
bool namesWeekdayOnly(const QString &format)
{
    if (format.contains(u'\'') || format.contains(u'M') || format.contains(u'y'))
        return false;
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 0;
        while (i + run < format.size() && format[i + run] == u'd')
            ++run;
        if (run != 0 && run != 3 && run != 4)
            return false;
        i += std::max<qsizetype>(run, 1);
    }
    return true;
}

// The key's digits back in their "dd.mm.yy" places.
QString lineOfKey(int key)
{
    return QStringLiteral("%1.%2.%3")
        .arg(key / 10000, 2, 10, QLatin1Char('0'))
        .arg(key / 100 % 100, 2, 10, QLatin1Char('0'))
        .arg(key % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

DateTextTable::DateTextTable(const QString &dayFormat, const QString &dateFormat)
    : m_dayFormat(dayFormat)
    , m_dateFormat(dateFormat)
    , m_dayByWeekday(namesWeekdayOnly(dayFormat))
{
    if (m_dayByWeekday) {
        const QDate monday(2024, 1, 1);
        for (int day = 0; day < 7; ++day)
            m_weekdayTexts[static_cast<std::size_t>(day)] =
                QLocale::system().toString(monday.addDays(day), dayFormat);
    }
}

void DateTextTable::add(int key)
{
    if (key < 0 || key >= DateDigitsCount)
        return;
    const auto pageIndex = static_cast<std::size_t>(key / PageKeys);
    if (pageIndex >= m_slotPages.size())
        m_slotPages.resize(pageIndex + 1);
    std::unique_ptr<int[]> &page = m_slotPages[pageIndex];
    if (!page)
        page = std::make_unique<int[]>(PageKeys);
    int &slot = page[key % PageKeys];
    if (slot == 0) {
        m_keys.push_back(key);
        slot = static_cast<int>(m_keys.size());
    }
}

void DateTextTable::formatSlots(std::size_t first, std::size_t end)
{
    for (std::size_t i = first; i < end; ++i) {
        const QString line = lineOfKey(m_keys[i]);
        std::array<QString, 2> &texts = m_texts[i];
        if (!m_dateFormat.isEmpty())
            texts[1] = GetDateText(line, m_dateFormat);
        if (!m_dayByWeekday) {
            texts[0] = GetDayText(line, m_dayFormat);
        } else if (const std::optional<QDate> date = lineDate(line)) {
            texts[0] = m_weekdayTexts[static_cast<std::size_t>(date->dayOfWeek() - 1)];
        }
    }
}

void DateTextTable::formatAdded(bool together)
{
    const std::size_t first = m_formatted;
    const std::size_t end = m_keys.size();
    m_texts.resize(end);
    const std::size_t half = first + (end - first) / 2;
    if (together && half > first) {
        std::thread helper([this, half, end] { formatSlots(half, end); });
        formatSlots(first, half);
        helper.join();
    } else {
        formatSlots(first, end);
    }
    m_formatted = end;
}

int DateTextTable::slotOf(int key) const
{
    if (key < 0 || key >= DateDigitsCount)
        return -1;
    const auto pageIndex = static_cast<std::size_t>(key / PageKeys);
    const int *page = pageIndex < m_slotPages.size() ? m_slotPages[pageIndex].get() : nullptr;
    return page ? page[key % PageKeys] - 1 : -1;
}

int DateTextTable::formattedSlotOf(int key)
{
    add(key);
    const int slot = slotOf(key);
    if (slot >= 0 && static_cast<std::size_t>(slot) >= m_formatted)
        formatAdded(false);
    return slot;
}

const QString &DateTextTable::dayText(int slot) const
{
    return slot < 0 ? m_none : m_texts[static_cast<std::size_t>(slot)][0];
}

const QString &DateTextTable::dateText(int slot) const
{
    return slot < 0 ? m_none : m_texts[static_cast<std::size_t>(slot)][1];
}
