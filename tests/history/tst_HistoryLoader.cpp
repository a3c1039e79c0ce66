#include "HistoryFixture.h"
#include "ReportText.h"
#include "TestFiles.h"

#include "history/ChangesReport.h"
#include "history/HistoryLoader.h"
#include "history/ReleasesReport.h"
#include "search/FindReport.h"
#include "stats/WeekdaysReport.h"
#include "text/Windows1252.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <vector>

class tst_HistoryLoader : public QObject
{
    Q_OBJECT
private slots:
    void countsLinesUpToNextHeader()
    {
        const HistoryDocument document =
            decodedHistory("01.01.01 Added: before any release\n"
                           "Release Total Commander 2.0\n"
                           "02.02.02 Added: a\tb\n02.02.02 Fixed: c\n02.02.02 Added: Fixed: d\n\n"
                           "New in version\t1.0 (1.1.01)\n"
                           "01.01.01 fixed: e");
        QCOMPARE(QString::fromUtf8(reportText(releasesReport, document)),
                 QStringLiteral("k1\tTotal Commander 2.0\t2\t1\nk6\tversion 1.0\t0\t1\n"));
    }

    void reportsProgressToTheEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("History.txt"));
        const int count = 250000;
        QVERIFY(
            writeFile(path, QByteArray("01.01.01 Added: a\r\n01.01.01 Fixed: b\r\n").repeated(count / 2)));
        HistoryDocument document;
        std::vector<double> fractions;
        QVERIFY(LoadHistory(path, DetectionSettings::defaults(), document, [&fractions](double fraction) {
                    fractions.push_back(fraction);
                }).ok);
        QVERIFY(fractions.size() >= 3);
        QCOMPARE(fractions.front(), 0.0);
        QCOMPARE(fractions.back(), 1.0);
        QVERIFY(std::is_sorted(fractions.begin(), fractions.end()));
        QCOMPARE(document.lines.size(), count);
        QCOMPARE(document.lines.matchesFix(LineIndex(count - 1)), true);
    }

    // Held in the file's own bytes, a history gives the same reports whichever of the two
    // encodings it is written in; the reports themselves are UTF-8.
    void reportsDoNotDependOnTheEncoding()
    {
        const QString history = QStringLiteral("Release Total Commander 2.0 \u00e9t\u00e9\r\n"
                                               "10.03.99 Added: Gr\u00f6\u00dfe \u00e4ndern\r\n"
                                               "11.03.99 Fixed: FEN\u00caTRE \u0153uvre\r\n"
                                               "New in version 1.0 \u00c0 (1.1.01)\r\n"
                                               "01.01.01 fixed: d\u00e9j\u00e0 vu \u20ac");
        QTemporaryDir dir;
        QList<QByteArray> reports[2];
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            const QString path = dir.filePath(QStringLiteral("History.txt"));
            QVERIFY(writeFile(path, encoding == TextEncoding::Utf8 ? history.toUtf8()
                                                                   : encodeWindows1252(history)));
            HistoryDocument document;
            QVERIFY(LoadHistory(path, DetectionSettings::defaults(), document).ok);
            QCOMPARE(document.lines.encoding(), encoding);
            QList<QByteArray> &report = reports[encoding == TextEncoding::Utf8 ? 0 : 1];
            std::vector<LineIndex> allReleases;
            for (const Release &release : document.releases)
                allReleases.push_back(release.headerLine);
            report << reportText(releasesReport, document)
                   << reportText(changesReport, document,
                                 ChangesView{ChangesView::All, ViewFilter::AllChanges, false},
                                 QStringLiteral("dddd"), QStringLiteral("dd/MM/yyyy"))
                   << reportText(findReport, document, QStringLiteral("gr\u00d6"), SearchIn::Everywhere,
                                 false)
                   << reportText(findReport, document, QStringLiteral("\u00c9T\u00c9"), SearchIn::Everywhere,
                                 true)
                   << reportText(weekdaysReport, document, allReleases,
                                 DetectionSettings::defaults().VersionDetectList, QStringLiteral("dddd"));
        }
        QCOMPARE(reports[1], reports[0]);
        QCOMPARE(reports[0][2],
                 QStringLiteral("2\t10.03.99 Added: Gr\u00f6\u00dfe \u00e4ndern\n# 1 instance(s) "
                                "found\n")
                     .toUtf8());
    }
};

QTEST_GUILESS_MAIN(tst_HistoryLoader)
#include "tst_HistoryLoader.moc"
