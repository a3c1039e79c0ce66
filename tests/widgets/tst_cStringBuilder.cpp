#include "widgets/cStringBuilder.h"

#include <QTest>

class tst_cStringBuilder : public QObject
{
    Q_OBJECT

private slots:
    void newBuilderIsEmpty();
    void edit_data();
    void edit();
    void shortAppendsGrowInSteps();
    void longAppendToGrownBlockFits();
    void writingStringDataResetsCapacity();
    void textStopsAtFirstNul();
};

void tst_cStringBuilder::newBuilderIsEmpty()
{
    const cStringBuilder builder;
    QCOMPARE(builder.StringLength(), 0);
    QCOMPARE(builder.StringData(), QString());
    QCOMPARE(builder.capacityBytes(), cStringBuilder::BlockStep);
}

void tst_cStringBuilder::edit_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("result");

    // Every row starts from "0123456789".
    QTest::newRow("remove with length 0 cuts to the end") << "remove" << 3 << 0 << ""
                                                          << "012";
    QTest::newRow("remove past the end cuts to the end") << "remove" << 7 << 50 << ""
                                                         << "0123456";
    QTest::newRow("remove inside") << "remove" << 2 << 3 << ""
                                   << "0156789";
    QTest::newRow("remove at the length does nothing") << "remove" << 10 << 1 << ""
                                                       << "0123456789";
    QTest::newRow("remove at -1 does nothing") << "remove" << -1 << 1 << ""
                                               << "0123456789";
    QTest::newRow("remove negative length does nothing") << "remove" << 2 << -1 << ""
                                                         << "0123456789";
    QTest::newRow("insert at the length appends") << "insert" << 10 << 0 << "ab"
                                                  << "0123456789ab";
    QTest::newRow("insert at 0") << "insert" << 0 << 0 << "ab"
                                 << "ab0123456789";
    QTest::newRow("insert inside") << "insert" << 4 << 0 << "ab"
                                   << "0123ab456789";
    QTest::newRow("insert at -1 does nothing") << "insert" << -1 << 0 << "ab"
                                               << "0123456789";
    QTest::newRow("insert past the length does nothing") << "insert" << 11 << 0 << "ab"
                                                         << "0123456789";
    QTest::newRow("overwrite running past the end") << "overwrite" << 8 << 0 << "abcd"
                                                    << "01234567abcd";
    QTest::newRow("overwrite inside") << "overwrite" << 2 << 0 << "ab"
                                      << "01ab456789";
    QTest::newRow("overwrite at the length appends") << "overwrite" << 10 << 0 << "ab"
                                                     << "0123456789ab";
    QTest::newRow("overwrite past the length does nothing") << "overwrite" << 11 << 0 << "ab"
                                                            << "0123456789";
}

void tst_cStringBuilder::edit()
{
    QFETCH(QString, operation);
    QFETCH(int, index);
    QFETCH(int, length);
    QFETCH(QString, value);
    QFETCH(QString, result);

    cStringBuilder builder;
    QVERIFY(builder.Append(u"0123456789"));
    if (operation == u"remove")
        builder.Remove(index, length);
    else if (operation == u"insert")
        QVERIFY(builder.Insert(index, value));
    else
        QVERIFY(builder.Overwrite(index, value));
    QCOMPARE(builder.StringData(), result);
    QCOMPARE(builder.StringLength(), result.size());
    // The text must end in zeros: an append after the edit follows the text directly.
    QVERIFY(builder.Append(u"!"));
    QCOMPARE(builder.StringData(), result + u'!');
}

void tst_cStringBuilder::shortAppendsGrowInSteps()
{
    const QString line = QStringLiteral("12.03.24 Added: a line of ordinary length\r\n");
    QString expected;
    cStringBuilder builder;
    qint64 lastCapacity = builder.capacityBytes();
    while ((expected.size() + line.size()) * 2 <= 3 * cStringBuilder::BlockStep) {
        QVERIFY(builder.Append(line));
        expected += line;
        const qint64 capacity = builder.capacityBytes();
        QVERIFY2(capacity == lastCapacity || capacity == lastCapacity + cStringBuilder::BlockStep,
                 "capacity jumped by more than one step");
        lastCapacity = capacity;
    }
    QCOMPARE(builder.capacityBytes(), 3 * cStringBuilder::BlockStep);
    QCOMPARE(builder.StringData(), expected);
}

void tst_cStringBuilder::longAppendToGrownBlockFits()
{
    cStringBuilder builder;
    const QString first(cStringBuilder::BlockStep / 2 + 10, u'a');
    QVERIFY(builder.Append(first));
    QCOMPARE(builder.capacityBytes(), 2 * cStringBuilder::BlockStep);

    // 3 MiB in one go: one step of the growth rule alone would leave the block too small.
    const QString big(3 * cStringBuilder::BlockStep / 2, u'b');
    QVERIFY(builder.Append(big));
    QVERIFY(builder.capacityBytes() >= 2 * (first.size() + big.size()));
    QCOMPARE(builder.StringData(), first + big);
}

void tst_cStringBuilder::writingStringDataResetsCapacity()
{
    cStringBuilder builder;
    QVERIFY(builder.Append(QString(cStringBuilder::BlockStep, u'x')));
    QVERIFY(builder.setStringData(u"fresh"));
    QCOMPARE(builder.capacityBytes(), cStringBuilder::BlockStep);
    QCOMPARE(builder.StringData(), QStringLiteral("fresh"));
}

void tst_cStringBuilder::textStopsAtFirstNul()
{
    cStringBuilder builder;
    QVERIFY(builder.Append(QStringView(u"ab\0cd", 5)));
    QCOMPARE(builder.StringLength(), 5);
    QCOMPARE(builder.StringData(), QStringLiteral("ab"));
}

QTEST_GUILESS_MAIN(tst_cStringBuilder)
#include "tst_cStringBuilder.moc"
