#include "search/FindOptions.h"

#include <QTest>

class tst_FindOptions : public QObject
{
    Q_OBJECT

private slots:
    void parsesEachFieldAsItsLeadingNumber_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<FindOptions>("expected");
        QTest::newRow("default") << "0,0,0" << FindOptions{0, 0, 0};
        QTest::newRow("typed text among fixes, whole words") << "-1,2,1" << FindOptions{-1, 2, 1};
        QTest::newRow("text after the number") << "3x,1 ,1abc" << FindOptions{3, 1, 1};
        QTest::newRow("blank before the number") << " 4,\t2,1" << FindOptions{4, 2, 1};
        QTest::newRow("field without a number counts as 0") << "abc,,x1" << FindOptions{0, 0, 0};
        QTest::newRow("missing fields stay empty") << "5" << FindOptions{5, std::nullopt, std::nullopt};
        QTest::newRow("extra fields ignored") << "1,2,1,9" << FindOptions{1, 2, 1};
        QTest::newRow("too large for an int")
            << "99999999999999999999,-99999999999,1" << FindOptions{INT_MAX, INT_MIN, 1};
    }
    void parsesEachFieldAsItsLeadingNumber()
    {
        QFETCH(QString, stored);
        QTEST(FindOptions::parse(stored), "expected");
    }
};

QTEST_APPLESS_MAIN(tst_FindOptions)
#include "tst_FindOptions.moc"
