// Which encoding a file's bytes are taken to be in, and the text they hold as it is kept.
#include "DataTable.h"
#include "text/EncodingDetection.h"
#include "text/TextCodec.h"
#include "text/TextSurvey.h"

class tst_EncodingDetection : public QObject
{
    Q_OBJECT
private slots:
    void detects_data()
    {
        const auto row =
            addColumns<QByteArray, TextEncoding, int, QString>({"bytes", "encoding", "begin", "text"});
        const QString e = QStringLiteral("\u00e9"), euro = QStringLiteral("\u20ac");
        row("UTF-8 without BOM", "\xc3\xa9\xe2\x82\xac", TextEncoding::Utf8, 0, e + euro);
        row("UTF-8 BOM left in place", "\xef\xbb\xbf\xc3\xa9", TextEncoding::Utf8, 3, e);
        row("UTF-8 BOM then a bad byte", "\xef\xbb\xbf\xe9x", TextEncoding::Utf8, 0,
            QStringLiteral("\ufffdx"));
        row("bad byte: Windows-1252", "caf\xe9 \x80", TextEncoding::Windows1252, 0, "caf" + e + " " + euro);
        row("overlong form", "\xc0\xaf", TextEncoding::Windows1252, 0, QStringLiteral("\u00c0\u00af"));
        row("encoded surrogate", "\xed\xa0\x80", TextEncoding::Windows1252, 0,
            QStringLiteral("\u00ed\u00a0\u20ac"));
        row("past U+10FFFF", "\xf4\x90\x80\x80", TextEncoding::Windows1252, 0,
            QStringLiteral("\u00f4\u0090\u20ac\u20ac"));
        row("UTF-16 LE BOM",
            QByteArray("\xff\xfe"
                       "a\0\xac\x20",
                       6),
            TextEncoding::Utf8, 0, "a" + euro);
        row("UTF-16 BE BOM", QByteArray("\xfe\xff\0a\x20\xac", 6), TextEncoding::Utf8, 0, "a" + euro);
        row("UTF-16 pair and unpaired surrogate", QByteArray("\xff\xfe\x3d\xd8\x00\xde\x00\xdex", 9),
            TextEncoding::Utf8, 0, QStringLiteral("\U0001F600\ufffd\ufffd"));
        const QByteArray latin("a\0\r\0\n\0\xe9\0", 8);
        row("UTF-16 LE without BOM", latin, TextEncoding::Utf8, 0, "a\r\n" + e);
        row("UTF-16 BE without BOM", '\0' + latin.chopped(1), TextEncoding::Utf8, 0, "a\r\n" + e);
        row("odd length is no UTF-16", latin + 'b', TextEncoding::Windows1252, 0,
            QString::fromLatin1(latin + 'b'));
        row("a few NULs are no UTF-16", QByteArray("a\0bcdefg", 8), TextEncoding::Utf8, 0,
            QString::fromLatin1("a\0bcdefg", 8));
    }
    void detects()
    {
        auto [bytes, begin] = fetch<QByteArray, int>({"bytes", "begin"});
        const DetectedText detected = detectEncoding(bytes, TextSurvey::of(bytes).isUtf8());
        QTEST(detected.encoding, "encoding");
        QCOMPARE(detected.begin, qsizetype(begin));
        QTEST(decodeText(QByteArrayView(detected.text).sliced(begin), detected.encoding), "text");
    }
};

QTEST_GUILESS_MAIN(tst_EncodingDetection)
#include "tst_EncodingDetection.moc"
