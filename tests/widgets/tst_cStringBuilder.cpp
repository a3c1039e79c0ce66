#include "widgets/cStringBuilder.h"

#include <QTest>

#include <algorithm>

constexpr qint64 Step = cStringBuilder::BlockStep;

class tst_cStringBuilder : public QObject
{
    Q_OBJECT

private slots:
    void edit_data()
    {
        QTest::addColumn<char>("operation"); // Remove, Insert or Overwrite
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("result");
        // Every row starts from "0123456789".
        const QString same = QStringLiteral("0123456789");
        QTest::newRow("remove with length 0 cuts to the end") << 'R' << "" << 3 << 0 << "012";
        QTest::newRow("remove past the end cuts to the end") << 'R' << "" << 7 << 50 << "0123456";
        QTest::newRow("remove inside") << 'R' << "" << 2 << 3 << "0156789";
        QTest::newRow("remove at the length does nothing") << 'R' << "" << 10 << 1 << same;
        QTest::newRow("remove at -1 does nothing") << 'R' << "" << -1 << 1 << same;
        QTest::newRow("remove negative length does nothing") << 'R' << "" << 2 << -1 << same;
        QTest::newRow("insert at the length appends") << 'I' << "ab" << 10 << 0 << "0123456789ab";
        QTest::newRow("insert at 0") << 'I' << "ab" << 0 << 0 << "ab0123456789";
        QTest::newRow("insert inside") << 'I' << "ab" << 4 << 0 << "0123ab456789";
        QTest::newRow("insert at -1 does nothing") << 'I' << "ab" << -1 << 0 << same;
        QTest::newRow("insert past the length does nothing") << 'I' << "ab" << 11 << 0 << same;
        QTest::newRow("overwrite running past the end") << 'O' << "abcd" << 8 << 0 << "01234567abcd";
        QTest::newRow("overwrite inside") << 'O' << "ab" << 2 << 0 << "01ab456789";
        QTest::newRow("overwrite at the length appends") << 'O' << "ab" << 10 << 0 << "0123456789ab";
        QTest::newRow("overwrite past the length does nothing") << 'O' << "ab" << 11 << 0 << same;
    }
    void edit()
    {
        QFETCH(char, operation);
        QFETCH(QString, value);
        QFETCH(int, index);
        QFETCH(int, length);
        QFETCH(QString, result);
        cStringBuilder builder;
        QVERIFY(builder.Append(u"0123456789"));
        if (operation == 'R')
            builder.Remove(index, length);
        else
            QVERIFY(operation == 'I' ? builder.Insert(index, value) : builder.Overwrite(index, value));
        QCOMPARE(builder.StringData(), result);
        QCOMPARE(builder.StringLength(), result.size());
        // The text must end in zeros: an append after the edit follows the text directly.
        QVERIFY(builder.Append(u"!"));
        QCOMPARE(builder.StringData(), result + u'!');
    }

    void shortAppendsGrowInSteps()
    {
        const QString line = QStringLiteral("12.03.24 Added: a line of ordinary length\r\n");
        QString expected;
        cStringBuilder builder;
        qint64 lastCapacity = builder.capacityBytes();
        while ((expected.size() + line.size()) * 2 <= 3 * Step) {
            QVERIFY(builder.Append(line));
            expected += line;
            const qint64 capacity = builder.capacityBytes();
            QVERIFY2(capacity == lastCapacity || capacity == lastCapacity + Step,
                     "capacity jumped by more than one step");
            lastCapacity = capacity;
        }
        QCOMPARE(builder.capacityBytes(), 3 * Step);
        QCOMPARE(builder.StringData(), expected);
    }

    void longAppendToGrownBlockFits()
    {
        cStringBuilder builder;
        const QString first(Step / 2 + 10, u'a');
        QVERIFY(builder.Append(first));
        QCOMPARE(builder.capacityBytes(), 2 * Step);
        // 3 MiB in one go: one step of the growth rule alone would leave the block too small.
        const QString big(3 * Step / 2, u'b');
        QVERIFY(builder.Append(big));
        QVERIFY(builder.capacityBytes() >= 2 * (first.size() + big.size()));
        QCOMPARE(builder.StringData(), first + big);
    }

    void writingStringDataResetsCapacity()
    {
        cStringBuilder builder;
        QVERIFY(builder.Append(QString(Step, u'x')));
        QVERIFY(builder.setStringData(u"fresh"));
        QCOMPARE(builder.capacityBytes(), Step);
        QCOMPARE(builder.StringData(), QStringLiteral("fresh"));
    }

    void extendLeavesRoomWrittenInPlace()
    {
        cStringBuilder builder;
        QVERIFY(builder.Append(u"ab"));
        // Past the first block: the block grows in whole steps, and what follows stays zero.
        char16_t *at = builder.extend(Step);
        QVERIFY(at);
        std::fill(at, at + Step, u'x');
        QCOMPARE(builder.capacityBytes() % Step, 0);
        QVERIFY(builder.Append(u"!"));
        QCOMPARE(builder.StringData(), QStringLiteral("ab") + QString(Step, u'x') + u'!');
    }

    void extendPast2GiBLeavesTextAsItWas()
    {
        cStringBuilder builder;
        QVERIFY(builder.Append(u"ab"));
        QCOMPARE(builder.extend(cStringBuilder::MaxTextBytes / 2), nullptr);
        QCOMPARE(builder.StringData(), QStringLiteral("ab"));
    }

    void takeStringDataHandsOverWholeTextAndEmpties()
    {
        cStringBuilder builder;
        QVERIFY(builder.Append(QString(Step, u'x')));
        QVERIFY(builder.Append(QStringView(u"ab\0cd", 5)));
        QCOMPARE(builder.takeStringData(), QString(Step, u'x') + QString::fromUtf16(u"ab\0cd", 5));
        QCOMPARE(builder.StringLength(), 0);
        QCOMPARE(builder.capacityBytes(), Step);
        QVERIFY(builder.Append(u"new"));
        QCOMPARE(builder.StringData(), QStringLiteral("new"));
    }

    void textStopsAtFirstNul()
    {
        cStringBuilder builder;
        QVERIFY(builder.Append(QStringView(u"ab\0cd", 5)));
        QCOMPARE(builder.StringLength(), 5);
        QCOMPARE(builder.StringData(), QStringLiteral("ab"));
    }
};

QTEST_GUILESS_MAIN(tst_cStringBuilder)
#include "tst_cStringBuilder.moc"
