#include "Positions.h"
#include "history/HistoryLoader.h"

#include <QTest>

namespace {

HistoryLines decoded(const QByteArray &bytes)
{
    HistoryDocument document;
    if (!decodeHistory(bytes, DetectionSettings::defaults(), document).ok)
        qFatal("the bytes were refused");
    return std::move(document.lines);
}

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
        QTest::newRow("UTF-8 BOM alone") << QByteArray("\xef\xbb\xbf") << QStringList{""};
        QTest::newRow("UTF-8 BOM then bad byte")
            << QByteArray("\xef\xbb\xbf\xe4x") << QStringList{QStringLiteral("\ufffdx")};
        QTest::newRow("UTF-16 BE with BOM")
            << QByteArray("\xfe\xff\0a\0\n\x20\xac", 8) << QStringList{"a", euro};
        QTest::newRow("UTF-16 surrogate pair")
            << QByteArray("\xff\xfe\x3d\xd8\x00\xde", 6) << QStringList{QStringLiteral("\U0001F600")};
        QTest::newRow("Windows-1252 letters")
            << QByteArray("caf\xe9 \x80 \xe4\r\n\x93q\x94")
            << QStringList{QStringLiteral("caf\u00e9 \u20ac \u00e4"), QStringLiteral("\u201cq\u201d")};
        const QByteArray latin("a\0\r\0\n\0\xe9\0", 8);
        QTest::newRow("UTF-16 LE without BOM") << latin << QStringList{"a", QStringLiteral("\u00e9")};
        QTest::newRow("UTF-16 BE without BOM")
            << '\0' + latin.chopped(1) << QStringList{"a", QStringLiteral("\u00e9")};
        QTest::newRow("overlong form is not UTF-8")
            << QByteArray("\xc0\xaf") << QStringList{QStringLiteral("\u00c0\u00af")};
        QTest::newRow("cut-off UTF-8 at the end")
            << QByteArray("ok\xc3") << QStringList{QStringLiteral("ok\u00c3")};
    }
    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(allLines(decoded(bytes)), "expected");
    }

    void holdsTheFileBytesAsText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextEncoding>("encoding");
        QTest::newRow("UTF-8 after a BOM") << QByteArray("\xef\xbb\xbfl\xc3\xa4ne\r\n") << TextEncoding::Utf8;
        QTest::newRow("Windows-1252") << QByteArray("l\xe4ne\r\n") << TextEncoding::Windows1252;
    }
    void holdsTheFileBytesAsText()
    {
        QFETCH(QByteArray, bytes);
        const HistoryLines lines = decoded(bytes);
        QTEST(lines.encoding(), "encoding");
        QCOMPARE(lines.rawText().constData(), bytes.constData());
        QCOMPARE(lines.text(0_line), QStringLiteral("l\u00e4ne"));
    }
};

QTEST_GUILESS_MAIN(tst_HistoryReader)
#include "tst_HistoryReader.moc"
