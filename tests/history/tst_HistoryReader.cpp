#include "Positions.h"
#include "history/HistoryReader.h"

#include <QTest>

namespace {

QStringList allLines(const HistoryLines &lines)
{
    QStringList out;
    for (LineIndex i(0); lines.contains(i); ++i)
        out << lines.text(i);
    return out;
}

} // namespace

class tst_HistoryReader : public QObject
{
    Q_OBJECT
private slots:
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty file") << QByteArray() << QStringList{""};
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("CR only") << QByteArray("a\rb\rc") << QStringList{"a", "b", "c"};
        QTest::newRow("LF only") << QByteArray("a\nb\nc") << QStringList{"a", "b", "c"};
        QTest::newRow("mixed ends") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("final terminator opens no line") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("final empty line kept") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
        QTest::newRow("blanks trimmed, tabs kept") << QByteArray("  \ta b\t  \r\n") << QStringList{"\ta b\t"};
        QTest::newRow("NUL bytes kept")
            << QByteArray("a\0b\r\n\0", 6)
            << QStringList{QString::fromUtf8("a\0b", 3), QString::fromUtf8("\0", 1)};
        const QString ae = QStringLiteral("\u00e4"), euro = QStringLiteral("\u20ac");
        QTest::newRow("UTF-8 without BOM") << QByteArray("\xc3\xa4\r\n\xe2\x82\xac") << QStringList{ae, euro};
        QTest::newRow("UTF-8 BOM not in first line")
            << QByteArray("\xef\xbb\xbf  x\r\ny") << QStringList{"x", "y"};
        QTest::newRow("UTF-8 BOM then bad byte")
            << QByteArray("\xef\xbb\xbf\xe4x") << QStringList{QStringLiteral("\ufffdx")};
        QTest::newRow("UTF-16 LE with BOM") << QByteArray("\xff\xfe"
                                                          "a\0\r\0\n\0\xe4\0\xac\x20",
                                                          12)
                                            << QStringList{"a", ae + euro};
        QTest::newRow("UTF-16 BE with BOM")
            << QByteArray("\xfe\xff\0a\0\n\x20\xac", 8) << QStringList{"a", euro};
        QTest::newRow("UTF-16 surrogate pair")
            << QByteArray("\xff\xfe\x3d\xd8\x00\xde", 6) << QStringList{QStringLiteral("\U0001F600")};
        QTest::newRow("Windows-1252 letters")
            << QByteArray("caf\xe9 \x80 \xe4\r\n\x93q\x94")
            << QStringList{QStringLiteral("caf\u00e9 \u20ac \u00e4"), QStringLiteral("\u201cq\u201d")};
        QTest::newRow("Windows-1252 letters at both ends")
            << QByteArray("\x80"
                          "abcdefghijklmnop\r\nqrstuvwxyz0123456\xe9")
            << QStringList{QStringLiteral("\u20acabcdefghijklmnop"),
                           QStringLiteral("qrstuvwxyz0123456\u00e9")};
        QTest::newRow("Windows-1252 letter between long ASCII runs")
            << QByteArray("0123456789abcdef\x85"
                          "0123456789abcdef")
            << QStringList{QStringLiteral("0123456789abcdef\u20260123456789abcdef")};
        QTest::newRow("overlong form is not UTF-8")
            << QByteArray("\xc0\xaf") << QStringList{QStringLiteral("\u00c0\u00af")};
        QTest::newRow("cut-off UTF-8 at the end")
            << QByteArray("ok\xc3") << QStringList{QStringLiteral("ok\u00c3")};
    }
    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(allLines(decodeHistoryBytes(bytes)), "expected");
    }

    void keepsUtf8FileBytesAsText()
    {
        const QByteArray bytes("\xef\xbb\xbfline\r\n");
        const HistoryLines lines = decodeHistoryBytes(bytes);
        QCOMPARE(lines.utf8Text().constData(), bytes.constData());
        QCOMPARE(lines.span(0_line).offset, qsizetype(3));
    }
};

QTEST_GUILESS_MAIN(tst_HistoryReader)
#include "tst_HistoryReader.moc"
