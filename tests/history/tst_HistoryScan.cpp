#include "HistoryFixture.h"

#include <QTest>

class tst_HistoryScan : public QObject
{
    Q_OBJECT
private slots:
    // A text of megabytes is surveyed and walked in two halves side by side; wherever its middle
    // falls, it must read as the pieces it is made of read one by one.
    void largeTextReadsAsItsPieces_data()
    {
        QTest::addColumn<QByteArray>("piece");
        QTest::newRow("CR LF, CR and LF") << QByteArray("01.02.03 Added: a\r\nRelease Wincmd 1\r\rb\n");
        QTest::newRow("UTF-8 letters, some of odd width")
            << QByteArray("01.02.03 Fixed: \xe2\x84\xaa\xc3\xa9\r\n"
                          "Release Wincmd \xf0\x9f\x98\x80\r\n");
        QTest::newRow("Windows-1252 letters")
            << QByteArray("01.02.03 Added: caf\xe9\r\nRelease Wincmd \x80\r\n");
    }
    void largeTextReadsAsItsPieces()
    {
        QFETCH(QByteArray, piece);
        const HistoryDocument one = decodedHistory(piece);
        const int perPiece = one.lines.size();
        const int copies = (2 << 20) / int(piece.size()) + 1;
        const QByteArray whole = piece.repeated(copies);
        // The middle moves by a byte for every two bytes of tail; it matters next to line ends and
        // inside characters of several bytes.
        auto plain = [](char c) { return c != '\r' && c != '\n' && static_cast<unsigned char>(c) < 0x80; };
        for (qsizetype tail = 0; tail < 2 * piece.size(); ++tail) {
            const QByteArray bytes = whole + QByteArray(tail, 'x');
            const qsizetype middle = bytes.size() / 2;
            if (plain(bytes[middle - 1]) && plain(bytes[middle]) && plain(bytes[middle + 1]))
                continue;
            const HistoryDocument all = decodedHistory(bytes);
            QCOMPARE(all.lines.size(), copies * perPiece + (tail > 0 ? 1 : 0));
            QCOMPARE(TextSurvey::of(bytes).lineCount(bytes, 0), all.lines.size());
            LineIndex firstDiffering;
            for (LineIndex i(0); i.value() < copies * perPiece && firstDiffering.isNone(); ++i) {
                const LineIndex same(i.value() % perPiece);
                if (all.lines.bytes(i) != one.lines.bytes(same) || all.lines.kind(i) != one.lines.kind(same))
                    firstDiffering = i;
            }
            QCOMPARE(firstDiffering, NoLine);
            QCOMPARE(all.releases.size(), copies * one.releases.size());
            QCOMPARE(all.lines.oddWidthLines().size(), copies * one.lines.oddWidthLines().size());
        }
    }
};

QTEST_GUILESS_MAIN(tst_HistoryScan)
#include "tst_HistoryScan.moc"
