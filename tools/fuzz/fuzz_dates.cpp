// The date rules on any eight characters (and what follows them): a dated line has a date, its
// sort key reads back as that date, and the texts never fail on a date that carries over.
#include "history/LineRules.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what, const QString &line)
{
    if (!condition) {
        fprintf(stderr, "date check failed: %s for \"%s\"\n", what, qPrintable(line));
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QDate> date = lineDate(line);
    check(!date || isDatedLine(line), "only a dated line has a date", line);
    check(!isDatedLine(line) || date.has_value(), "every dated line has a date", line);

    const QString sortKey = GetSortableDate(line);
    if (date) {
        check(date->isValid(), "the date is valid", line);
        check(QDate::fromString(sortKey, QStringLiteral("yyyy MM dd")) == *date, "the sort key is the date",
              line);
        check(!GetDayText(line, QStringLiteral("dddd")).isEmpty(), "a dated line has a day text", line);
        check(!GetDateText(line, QStringLiteral("dd/MM/yyyy")).isEmpty(), "a dated line has a date text",
              line);
        const QString change = GetChangeText(line);
        check(!change.startsWith(u' ') && !change.endsWith(u' ') && line.mid(8).contains(change),
              "the change text is the rest of the line without outer blanks", line);
    } else {
        check(sortKey.isEmpty(), "no sort key without a date", line);
        check(GetChangeText(line) == line, "the change text of an undated line is the line", line);
    }
    // The status bar's date reads its own way, blanks and short parts allowed.
    (void)longDateText(line);
    for (int year : {0, 29, 30, 99, 100, 9999, -1, 32767}) {
        const int month = size > 0 ? int(data[0]) - 128 : 1;
        const int day = size > 1 ? int(data[1]) - 128 : 1;
        const std::optional<QDate> d = dateFromParts(year, month, day);
        check(!d || (d->year() >= 100 && d->year() <= 9999), "carried dates stay in years 100 to 9999", line);
    }
    return 0;
}
