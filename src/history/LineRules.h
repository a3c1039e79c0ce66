#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Rules that derive the texts of one history line. A dated line begins with "dd.mm.yy"; its
// date feeds the Day, Date and sort texts, and the rest of the line is the change text.

// The date that year, month and day stand for, carrying like the file manager's own date maths:
// month 13 of 1999 is January 2000, day 32 of January is 1 February, day 0 is the last day of
// the month before, month 0 is December of the year before. A year 0-29 means 2000-2029 and
// 30-99 means 1930-1999. No date when the result falls outside the years 100 to 9999.
std::optional<QDate> dateFromParts(int year, int month, int day);

// Whether the line begins with "dd.mm.yy" (ASCII digits only).
bool isDatedLine(QStringView line);

// The six digits of a leading "dd.mm.yy" in a line's UTF-8 bytes read as the number ddmmyy, or -1
// for a line that does not begin so. Tables by date have DateDigitsCount entries.
int dateDigits(QByteArrayView utf8Line);
inline constexpr int DateDigitsCount = 1000000;

// The leading "dd.mm.yy" of a line's bytes as text, or the empty text for a line without one:
// all that the Day, Date and sort texts read of a line, however long it is.
QString datePart(QByteArrayView line);

// The date of a dated line, or none for a line that is not dated.
std::optional<QDate> lineDate(QStringView line);

// Day, Date and sort texts: empty for a line without a date. Formats are read by the user's
// locale ("dddd" full weekday name, "dd" day, "MM" month, "yyyy" year).
QString GetDayText(QStringView line, const QString &dayFormat);
QString GetDateText(QStringView line, const QString &dateFormat);
// "yyyy MM dd" in ASCII digits whatever the locale, so that the texts sort in date order.
QString GetSortableDate(QStringView line);
// The line from its ninth character on, without surrounding blanks; the whole line when not dated.
QString GetChangeText(QStringView line);
// The same on a line's bytes: after the date without the blanks around it, or the whole line when
// it is not dated. The date and the blanks are ASCII in every encoding a history is held in.
QByteArrayView changeBytes(QByteArrayView line, bool dated);

// The status bar's long date of a line: its first eight characters (after the blanks in front)
// split at "." into day, month and year, in the locale's long format. Empty when the line does
// not start with such a date.
QString longDateText(QStringView line);
