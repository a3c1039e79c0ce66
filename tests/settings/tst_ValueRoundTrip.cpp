// Values written in their quoted form read back exactly, whatever stands at their ends.
#include "settings/IniFile.h"
#include "settings/cProfile.h"

#include <QTest>

class tst_ValueRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void valueReadsBackAsWritten_data();
    void valueReadsBackAsWritten();
    void otherValueKeepsItsText_data();
    void otherValueKeepsItsText();
};

void tst_ValueRoundTrip::valueReadsBackAsWritten_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("value");

    const QByteArray existing("[Velomir]\nK=old\n");
    QTest::newRow("leading blank") << existing << " x";
    QTest::newRow("trailing blank") << existing << "x ";
    QTest::newRow("enclosing quotes") << existing << "\"x\"";
    QTest::newRow("leading quote only") << existing << "\"x";
    QTest::newRow("lone quote") << existing << "\"";
    QTest::newRow("leading tab") << existing << "\tx";
    QTest::newRow("trailing vertical tab") << existing << ";Commented=1\v";
    QTest::newRow("trailing form feed") << existing << "x\f";
    QTest::newRow("no-break space at both ends") << existing << QStringLiteral("\u00A0x\u00A0");
    QTest::newRow("new key in new file") << QByteArray() << "\tx ";
    QTest::newRow("only blanks") << existing << "   ";
}

void tst_ValueRoundTrip::valueReadsBackAsWritten()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, value);

    IniFile ini = IniFile::fromBytes(file);
    QVERIFY(ini.setValue(u"Velomir", u"K", QuoteProfileValue(value)));
    QCOMPARE(IniFile::fromBytes(ini.toBytes()).value(u"Velomir", u"K"), std::optional<QString>(value));
}

void tst_ValueRoundTrip::otherValueKeepsItsText_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("kept");

    // "\xC3\x80" is two code-page letters, and also one UTF-8 letter once the stray byte has gone.
    QTest::newRow("code-page letters that look like UTF-8")
        << QByteArray("[a]\nK=\xBB\nNm=t\xC3\x80x\n") << QStringLiteral("t\u00C3\u20ACx");
    QTest::newRow("code-page letters that are no UTF-8") << QByteArray("[a]\nK=\xBB\nNm=caf\xE9\n")
                                                         << QStringLiteral("caf\u00E9");
}

void tst_ValueRoundTrip::otherValueKeepsItsText()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, kept);

    IniFile ini = IniFile::fromBytes(file);
    QCOMPARE(ini.value(u"a", u"Nm"), std::optional<QString>(kept));
    QVERIFY(ini.setValue(u"a", u"K", u"plain"));
    QCOMPARE(IniFile::fromBytes(ini.toBytes()).value(u"a", u"Nm"), std::optional<QString>(kept));
}

QTEST_GUILESS_MAIN(tst_ValueRoundTrip)
#include "tst_ValueRoundTrip.moc"
