#include "history/LineRules.h"

#include <QLocale>
#include <QTest>

class tst_LineRules : public QObject
{
    Q_OBJECT

private slots:
    void derivedTexts_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("date"); // invalid: the line is not dated
        QTest::addColumn<QString>("changeText");
        QTest::newRow("addition of 1999") << "10.03.99 Added: x" << QDate(1999, 3, 10) << "Added: x";
        QTest::newRow("year 30 is 1930") << "01.01.30 Fixed: y" << QDate(1930, 1, 1) << "Fixed: y";
        QTest::newRow("year 29 is 2029") << "01.01.29 Fixed: y" << QDate(2029, 1, 1) << "Fixed: y";
        QTest::newRow("one-digit month is not dated") << "10.3.99 Added: x" << QDate() << "10.3.99 Added: x";
        QTest::newRow("month 13 carries into next year") << "01.13.99 x" << QDate(2000, 1, 1) << "x";
        QTest::newRow("day 32 carries into next month") << "32.01.00 x" << QDate(2000, 2, 1) << "x";
        QTest::newRow("day 0 is last of month before") << "00.03.00 x" << QDate(2000, 2, 29) << "x";
        QTest::newRow("month 0 is December before") << "15.00.00 x" << QDate(1999, 12, 15) << "x";
        QTest::newRow("letter in the day") << "1a.03.99 x" << QDate() << "1a.03.99 x";
        QTest::newRow("blanks after the date dropped")
            << "10.03.99    Added: x" << QDate(1999, 3, 10) << "Added: x";
        QTest::newRow("empty line") << "" << QDate() << "";
    }
    void derivedTexts()
    {
        QFETCH(QString, line);
        QFETCH(QDate, date);
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
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDate>("date");
        QTest::newRow("two-digit year") << "01.02.03 Added: x" << QDate(2003, 2, 1);
        QTest::newRow("blanks in front") << "  10.03.99 Fixed: y" << QDate(1999, 3, 10);
        QTest::newRow("one-digit parts") << "1.2.3" << QDate(2003, 2, 1);
        QTest::newRow("one-digit month, blank after the year") << "10.3.99 Added" << QDate(1999, 3, 10);
        QTest::newRow("text in the year part") << "1.2.3 Added" << QDate();
        QTest::newRow("heading without date") << "Version 1.0" << QDate();
        QTest::newRow("empty line") << "" << QDate();
    }
    void longDate()
    {
        QFETCH(QString, line);
        QFETCH(QDate, date);
        QCOMPARE(longDateText(line), QLocale::system().toString(date, QLocale::LongFormat));
    }
};

QTEST_GUILESS_MAIN(tst_LineRules)
#include "tst_LineRules.moc"
