#include "Positions.h"
#include "history/HistoryReader.h"
#include "history/HistoryScan.h"

#include <QTest>

namespace {

struct Outcome
{
    QList<QByteArray> lines;
    QList<int> facts; // kind and whether dated, one number per line
    std::vector<Release> releases;
};

Outcome outcomeOf(const HistoryLines &lines, std::vector<Release> releases)
{
    Outcome out{{}, {}, std::move(releases)};
    for (LineIndex i(0); lines.contains(i); ++i) {
        out.lines << lines.bytes(i).toByteArray();
        out.facts << (int(lines.matchesAddition(i)) | int(lines.matchesFix(i)) << 1 |
                      int(lines.isDated(i)) << 2);
    }
    return out;
}

Outcome plainReading(const QByteArray &bytes, const DetectionSettings &settings)
{
    HistoryLines lines = decodeHistoryBytes(bytes);
    const LineClassifier classifier(settings.ChangeDetectList);
    classifier.classifyAll(lines);
    return outcomeOf(lines, detectReleases(lines, settings.VersionDetectList, classifier));
}

// The scan as a load drives it: told how many bytes have arrived at each step, then finished.
Outcome scanned(const QByteArray &bytes, const DetectionSettings &settings, const QList<qsizetype> &arrivals)
{
    HistoryScan scan(settings);
    for (const qsizetype available : arrivals)
        scan.scanArrived(bytes.constData(), available, bytes.size());
    HistoryLines lines;
    std::vector<Release> releases;
    scan.finish(bytes, lines, releases);
    return outcomeOf(lines, std::move(releases));
}

QByteArray repeated(const QByteArray &line, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += line;
    return out;
}

} // namespace

class tst_HistoryScan : public QObject
{
    Q_OBJECT
private slots:
    void scanningAsBytesArriveEqualsPlainReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("changeDetect");
        QTest::addColumn<int>("releaseCount"); // as the plain reading must find them
        const QString usual = QStringLiteral("##.##.##*Added:*,##.##.##*Fixed:*");
        const QByteArray ascii =
            "Release Total Commander 2.0\r\n  01.02.03 Added: x  \r\n01.02.03 Fixed: y\r\n\r\n";
        // The encoding is judged on the first 4096 bytes: only what follows them arrives in pieces.
        const QByteArray head = repeated("01.02.03 Added: a line before the rest\r\n", 110);

        QTest::newRow("empty file") << QByteArray() << usual << 0;
        QTest::newRow("terminator at the very end") << head + "a\r\n" << usual << 0;
        QTest::newRow("CR, LF and CR LF") << head + "a\rb\nc\r\nd\n\re" << usual << 0;
        QTest::newRow("ASCII releases")
            << head + ascii + "New in version 1.0 (1.1.01)\r\n01.01.01 fixed: z" << usual << 2;
        QTest::newRow("UTF-8 lines")
            << head + ascii + "01.02.03 Added: caf\xc3\xa9\r\nRelease Total Commander \xe2\x82\xac" << usual
            << 2;
        QTest::newRow("UTF-8 BOM") << "\xef\xbb\xbf" + head + ascii + "01.02.03 Added: \xc3\xa9" << usual
                                   << 1;
        QTest::newRow("UTF-8 BOM then a bad byte")
            << "\xef\xbb\xbf" + head + ascii + "01.02.03 Added: \xc3\xa9\r\n01.02.03 Fixed: \xe9\r\n" + ascii
            << usual << 2;
        // Lines taken as UTF-8 until a later one shows the file is Windows-1252.
        QTest::newRow("Windows-1252 after UTF-8-looking lines")
            << head + ascii + "New in version 1.0 (1.1.01) \xc3\xa9\r\n01.02.03 Added: \xc3\xa9\r\n" + ascii +
                   "01.02.03 Fixed: caf\xe9\r\nRelease Windows Commander \x80 3\r\n" + repeated(ascii, 4)
            << usual << 8;
        QTest::newRow("Windows-1252 in most lines")
            << repeated("01.02.03 Added: \xe9t\xe9\r\nRelease Total Commander \xe9 1\r\n", 120) + ascii
            << usual << 121;
        QTest::newRow("UTF-16 with BOM") << QByteArray("\xff\xfe"
                                                       "R\0e\0l\0e\0a\0s\0e\0 \0W\0i\0n\0c\0m\0d\0 \0"
                                                       "1\0\r\0\n\0x\0",
                                                       40)
                                         << usual << 1;
        QTest::newRow("UTF-16 without BOM") << QByteArray("0\0"
                                                          "1\0.\0"
                                                          "0\0"
                                                          "1\0.\0"
                                                          "0\0"
                                                          "1\0 \0F\0i\0x\0e\0d\0:\0",
                                                          30)
                                            << usual << 0;
        // Letters outside ASCII that fold to ASCII ones: KELVIN SIGN and LATIN SMALL LETTER LONG S.
        QTest::newRow("letters folding to ASCII")
            << head + QByteArray("01.02.03 \xe2\x84\xaa"
                                 "ept: a\r\nRelea\xc5\xbf"
                                 "e Total Commander 3\r\n01.02.03 Kept: b")
            << QStringLiteral("##.##.##*Kept:*,##.##.##*Fixed:*") << 1;
    }
    void scanningAsBytesArriveEqualsPlainReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, changeDetect);
        const DetectionSettings settings = DetectionSettings::fromStrings(
            DetectionSettings::defaults().VersionDetectList.join(u','), changeDetect);
        const Outcome plain = plainReading(bytes, settings);
        QTEST(int(plain.releases.size()), "releaseCount");
        // The bytes arrive `piece` at a time, as from a file being read.
        for (const qsizetype piece : {1, 2, 3, 7, 64, 4096}) {
            QList<qsizetype> arrivals;
            for (qsizetype available = piece; available < bytes.size(); available += piece)
                arrivals << available;
            const Outcome scan = scanned(bytes, settings, arrivals);
            QCOMPARE(scan.lines, plain.lines);
            QCOMPARE(scan.facts, plain.facts);
            QVERIFY2(scan.releases == plain.releases, qPrintable(QStringLiteral("pieces of %1").arg(piece)));
        }
    }

    void scanSharedByTwoThreadsEqualsPlainReading_data()
    {
        // Over a megabyte is left when the whole file has arrived, so a second thread scans the rest
        // from a line boundary on; what each part found about the encoding must hold for both.
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray ascii =
            repeated("01.02.03 Added: a line of the change log\r\nRelease Total Commander 1\r\n", 30000);
        const QByteArray utf8 = "01.02.03 Fixed: caf\xc3\xa9\r\nNew in version 1.0 (1.1.01) \xc3\xa9\r\n";
        const QByteArray windows1252 = "01.02.03 Fixed: caf\xe9\r\nRelease Wincmd \xe9 2\r\n";
        QTest::newRow("UTF-8 in both parts") << utf8 + ascii + utf8 + ascii + utf8;
        QTest::newRow("Windows-1252 shown in the first part")
            << utf8 + windows1252 + ascii + utf8 + ascii + utf8;
        QTest::newRow("Windows-1252 shown in the second part only")
            << utf8 + ascii + utf8 + ascii + windows1252 + utf8;
        QTest::newRow("bad byte after a BOM in the second part")
            << "\xef\xbb\xbf" + utf8 + ascii + ascii + windows1252;
        QByteArray crOnly = ascii + ascii;
        crOnly.replace("\r\n", "\r");
        QTest::newRow("CR line ends") << crOnly;
    }
    void scanSharedByTwoThreadsEqualsPlainReading()
    {
        QFETCH(QByteArray, bytes);
        const Outcome scan = scanned(bytes, DetectionSettings::defaults(), {8192, bytes.size()});
        const Outcome plain = plainReading(bytes, DetectionSettings::defaults());
        QCOMPARE(scan.lines, plain.lines);
        QCOMPARE(scan.facts, plain.facts);
        QCOMPARE(scan.releases, plain.releases);
    }
};

QTEST_GUILESS_MAIN(tst_HistoryScan)
#include "tst_HistoryScan.moc"
