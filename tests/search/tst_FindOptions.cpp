#include "DataTable.h"

#include "search/FindOptions.h"

class tst_FindOptions : public QObject
{
    Q_OBJECT

private slots:
    void parsesEachFieldAsItsLeadingNumber_data()
    {
        const auto row = addColumns<QString, FindOptions>({"stored", "expected"});
        row("text after the number", "3x,1 ,1abc", FindOptions{3, 1, 1});
        row("blank before the number", " 4,\t2,1", FindOptions{4, 2, 1});
        row("field without a number counts as 0", "abc,,x1", FindOptions{0, 0, 0});
        row("missing fields stay empty", "5", FindOptions{5, std::nullopt, std::nullopt});
        row("extra fields ignored", "1,2,1,9", FindOptions{1, 2, 1});
        row("too large for an int", "99999999999999999999,-99999999999,1", FindOptions{INT_MAX, INT_MIN, 1});
    }
    void parsesEachFieldAsItsLeadingNumber()
    {
        QFETCH(QString, stored);
        QTEST(FindOptions::parse(stored), "expected");
    }
};

QTEST_APPLESS_MAIN(tst_FindOptions)
#include "tst_FindOptions.moc"
