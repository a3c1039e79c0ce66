#include "history/LineRules.h"

#include <QLocale>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int twoDigits(QStringView text, qsizetype at)
{
    return (text[at].unicode() - u'0') * 10 + (text[at + 1].unicode() - u'0');
}

// Only blanks count as the padding of a line; a tab is part of the text.
QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

std::optional<QDate> dateFromParts(int year, int month, int day)
{
    constexpr int FirstYear = 100;
    constexpr int LastYear = 9999;
    if (year >= 0 && year <= 29)
        year += 2000;
    else if (year >= 30 && year <= 99)
        year += 1900;

    // Months carry into years, with floor division so that month 0 is December of the year before.
    const long long months = static_cast<long long>(year) * 12 + (month - 1);
    long long fullYear = months / 12;
    long long monthIndex = months % 12;
    if (monthIndex < 0) {
        monthIndex += 12;
        --fullYear;
    }
    if (fullYear < FirstYear || fullYear > LastYear)
        return std::nullopt;

    const QDate first(static_cast<int>(fullYear), static_cast<int>(monthIndex) + 1, 1);
    const QDate date = first.addDays(day - 1);
    if (!date.isValid() || date.year() < FirstYear || date.year() > LastYear)
        return std::nullopt;
    return date;
}

bool isDatedLine(QStringView line)
{
    return line.size() >= 8 && isAsciiDigit(line[0]) && isAsciiDigit(line[1]) && line[2] == u'.' &&
           isAsciiDigit(line[3]) && isAsciiDigit(line[4]) && line[5] == u'.' && isAsciiDigit(line[6]) &&
           isAsciiDigit(line[7]);
}

int dateDigits(QByteArrayView utf8Line)
{
    if (utf8Line.size() < 8 || utf8Line[2] != '.' || utf8Line[5] != '.')
        return -1;
    int digits = 0;
    for (const int i : {0, 1, 3, 4, 6, 7}) {
        const char c = utf8Line[i];
        if (c < '0' || c > '9')
            return -1;
        digits = digits * 10 + (c - '0');
    }
    return digits;
}

QString datePart(QByteArrayView line)
{
    return dateDigits(line) >= 0 ? QString::fromLatin1(line.first(8)) : QString();
}

std::optional<QDate> lineDate(QStringView line)
{
    if (!isDatedLine(line))
        return std::nullopt;
    return dateFromParts(twoDigits(line, 6), twoDigits(line, 3), twoDigits(line, 0));
}

QString GetDayText(QStringView line, const QString &dayFormat)
{
    const std::optional<QDate> date = lineDate(line);
    return date ? QLocale::system().toString(*date, dayFormat) : QString();
}

QString GetDateText(QStringView line, const QString &dateFormat)
{
    const std::optional<QDate> date = lineDate(line);
    return date ? QLocale::system().toString(*date, dateFormat) : QString();
}

QString GetSortableDate(QStringView line)
{
    const std::optional<QDate> date = lineDate(line);
    if (!date)
        return QString();
    return QStringLiteral("%1 %2 %3")
        .arg(date->year(), 4, 10, QLatin1Char('0'))
        .arg(date->month(), 2, 10, QLatin1Char('0'))
        .arg(date->day(), 2, 10, QLatin1Char('0'));
}

QString GetChangeText(QStringView line)
{
    if (!isDatedLine(line))
        return line.toString();
    return trimBlanks(line.sliced(8)).toString();
}

QString longDateText(QStringView line)
{
    const QStringView head = trimBlanks(line).left(8);
    const qsizetype firstDot = head.indexOf(u'.');
    const qsizetype secondDot = firstDot < 0 ? -1 : head.indexOf(u'.', firstDot + 1);
    if (secondDot < 0 || head.indexOf(u'.', secondDot + 1) >= 0)
        return QString();

    // Each part must read as a 16-bit number, blanks around it allowed.
    bool dayOk = false;
    bool monthOk = false;
    bool yearOk = false;
    const short day = head.left(firstDot).toShort(&dayOk);
    const short month = head.sliced(firstDot + 1, secondDot - firstDot - 1).toShort(&monthOk);
    const short year = head.sliced(secondDot + 1).toShort(&yearOk);
    if (!dayOk || !monthOk || !yearOk)
        return QString();

    const std::optional<QDate> date = dateFromParts(year, month, day);
    return date ? QLocale::system().toString(*date, QLocale::LongFormat) : QString();
}

QByteArrayView changeBytes(QByteArrayView line, bool dated)
{
    if (!dated)
        return line;
    qsizetype begin = 8;
    qsizetype end = line.size();
    while (begin < end && line[begin] == ' ')
        ++begin;
    while (end > begin && line[end - 1] == ' ')
        --end;
    return line.sliced(begin, end - begin);
}
