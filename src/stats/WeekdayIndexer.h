#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <memory>

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

    QString m_dayFormat;
    QStringList m_dayNames;
    int m_undatedIndex = 0;
    int m_lastCode = -1;
    int m_lastIndex = 0;
    // One plus the row, by the six digits of a date ("ddmmyy" read as a number); 0 until worked
    // out. A table of a megabyte answers each line without hashing; it comes zeroed from the
    // system, so only the pages of dates that occur are ever touched.
    struct Free
    {
        void operator()(std::uint8_t *p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t, Free> m_rowByDate;
};
