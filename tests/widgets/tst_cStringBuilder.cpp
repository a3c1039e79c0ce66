#include "widgets/cStringBuilder.h"

#include <QTest>

#include <algorithm>

constexpr qint64 Step = cStringBuilder::BlockStep;

class tst_cStringBuilder : public QObject
{
    Q_OBJECT

private slots:
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
        // Shown up to the first NUL, handed over whole.
        QCOMPARE(builder.StringData(), QString(Step, u'x') + QStringLiteral("ab"));
        QCOMPARE(builder.takeStringData(), QString(Step, u'x') + QString::fromUtf16(u"ab\0cd", 5));
        QCOMPARE(builder.StringLength(), 0);
        QCOMPARE(builder.capacityBytes(), Step);
        QVERIFY(builder.Append(u"new"));
        QCOMPARE(builder.StringData(), QStringLiteral("new"));
    }
};

QTEST_GUILESS_MAIN(tst_cStringBuilder)
#include "tst_cStringBuilder.moc"
