#include "DataTable.h"
#include "HistoryFixture.h"

class tst_HistoryReader : public QObject
{
    Q_OBJECT
private slots:
    void readsLines_data()
    {
        const auto row = addColumns<QByteArray, QStringList>({"bytes", "expected"});
        row("empty file", {}, {""});
        row("final empty line kept", "a\r\n\r\n", {"a", ""});
        row("blanks trimmed, tabs kept", "  \ta b\t  \r\n", {"\ta b\t"});
        row("NUL bytes kept", QByteArray("a\0b\r\n\0", 6),
            {QString::fromUtf8("a\0b", 3), QString::fromUtf8("\0", 1)});
        const QString euro = QStringLiteral("\u20ac");
        row("UTF-8 BOM not in first line", "\xef\xbb\xbf  x\r\ny", {"x", "y"});
        row("UTF-8 BOM alone", "\xef\xbb\xbf", {""});
        row("UTF-16 BE with BOM", QByteArray("\xfe\xff\0a\0\n\x20\xac", 8), {"a", euro});
        row("Windows-1252 letters", "caf\xe9 \x80 \xe4\r\n\x93q\x94",
            {QStringLiteral("caf\u00e9 \u20ac \u00e4"), QStringLiteral("\u201cq\u201d")});
    }
    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(allLines(decodedHistory(bytes).lines), "expected");
    }

    void holdsTheFileBytesAsText_data()
    {
        const auto row = addColumns<QByteArray, TextEncoding>({"bytes", "encoding"});
        row("UTF-8 after a BOM", "\xef\xbb\xbfl\xc3\xa4ne\r\n", TextEncoding::Utf8);
        row("Windows-1252", "l\xe4ne\r\n", TextEncoding::Windows1252);
    }
    void holdsTheFileBytesAsText()
    {
        QFETCH(QByteArray, bytes);
        const HistoryLines lines = decodedHistory(bytes).lines;
        QTEST(lines.encoding(), "encoding");
        QCOMPARE(lines.rawText().constData(), bytes.constData());
        QCOMPARE(lines.text(0_line), QStringLiteral("l\u00e4ne"));
    }
};

QTEST_GUILESS_MAIN(tst_HistoryReader)
#include "tst_HistoryReader.moc"
