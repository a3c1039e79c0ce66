#include "DataTable.h"

#include "history/LineRules.h"

#include <QLocale>

class tst_LineRules : public QObject
{
    Q_OBJECT

private slots:
    void derivedTexts_data()
    {
        // date: invalid when the line is not dated
        const auto row = addColumns<QString, QDate, QString>({"line", "date", "changeText"});
        row("addition of 1999", "10.03.99 Added: x", QDate(1999, 3, 10), "Added: x");
        row("year 30 is 1930", "01.01.30 Fixed: y", QDate(1930, 1, 1), "Fixed: y");
        row("year 29 is 2029", "01.01.29 Fixed: y", QDate(2029, 1, 1), "Fixed: y");
        row("one-digit month is not dated", "10.3.99 Added: x", QDate(), "10.3.99 Added: x");
        row("month 13 carries into next year", "01.13.99 x", QDate(2000, 1, 1), "x");
        row("day 32 carries into next month", "32.01.00 x", QDate(2000, 2, 1), "x");
        row("day 0 is last of month before", "00.03.00 x", QDate(2000, 2, 29), "x");
        row("month 0 is December before", "15.00.00 x", QDate(1999, 12, 15), "x");
        row("letter in the day", "1a.03.99 x", QDate(), "1a.03.99 x");
        row("blanks after the date dropped", "10.03.99    Added: x", QDate(1999, 3, 10), "Added: x");
        row("empty line", "", QDate(), "");
    }
    void derivedTexts()
    {
        auto [line, date] = fetch<QString, QDate>({"line", "date"});
        QCOMPARE(GetDayText(line, QStringLiteral("dddd")), QLocale::system().toString(date, u"dddd"));
        QCOMPARE(GetDateText(line, QStringLiteral("dd/MM/yyyy")), date.toString(u"dd/MM/yyyy"));
        QCOMPARE(GetSortableDate(line), date.toString(u"yyyy MM dd"));
        QTEST(GetChangeText(line), "changeText");
    }

    void formatOfOneBlankGivesBlank()
    {
        QCOMPARE(GetDayText(u"10.03.99 Added: x", QStringLiteral(" ")), QStringLiteral(" "));
    }

    void longDate_data()
    {
        const auto row = addColumns<QString, QDate>({"line", "date"});
        row("two-digit year", "01.02.03 Added: x", QDate(2003, 2, 1));
        row("blanks in front", "  10.03.99 Fixed: y", QDate(1999, 3, 10));
        row("one-digit parts", "1.2.3", QDate(2003, 2, 1));
        row("one-digit month, blank after the year", "10.3.99 Added", QDate(1999, 3, 10));
        row("text in the year part", "1.2.3 Added", QDate());
        row("heading without date", "Version 1.0", QDate());
        row("empty line", "", QDate());
    }
    void longDate()
    {
        auto [line, date] = fetch<QString, QDate>({"line", "date"});
        QCOMPARE(longDateText(line), QLocale::system().toString(date, QLocale::LongFormat));
    }
};

QTEST_GUILESS_MAIN(tst_LineRules)
#include "tst_LineRules.moc"
