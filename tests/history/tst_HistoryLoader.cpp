#include "history/HistoryLoader.h"
#include "history/ReleasesReport.h"

#include <QFile>
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
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("History.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("01.01.01 Added: before any release\n"
                   "Release Total Commander 2.0\n"
                   "02.02.02 Added: a\tb\n02.02.02 Fixed: c\n02.02.02 Added: Fixed: d\n\n"
                   "New in version\t1.0 (1.1.01)\n"
                   "01.01.01 fixed: e");
        file.close();
        HistoryDocument document;
        QVERIFY(LoadHistory(file.fileName(), DetectionSettings::defaults(), document).ok);
        QCOMPARE(QString::fromUtf8(releasesReport(document)),
                 QStringLiteral("k1\tTotal Commander 2.0\t2\t1\nk6\tversion 1.0\t0\t1\n"));
    }

    void reportsProgressAndClassifiesEveryLine()
    {
        // Several slices long; the kinds alternate so that a line left out at a slice's edge shows.
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("History.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const int count = 150000;
        for (int i = 0; i < count; ++i)
            file.write(i % 2 == 0 ? "01.01.01 Added: a\r\n" : "01.01.01 Fixed: b\r\n");
        file.close();

        HistoryDocument document;
        std::vector<double> fractions;
        QVERIFY(LoadHistory(file.fileName(), DetectionSettings::defaults(), document,
                            [&fractions](double fraction) { fractions.push_back(fraction); })
                    .ok);
        QVERIFY(fractions.size() >= 3);
        QCOMPARE(fractions.front(), 0.0);
        QCOMPARE(fractions.back(), 1.0);
        QVERIFY(std::is_sorted(fractions.begin(), fractions.end()));
        QCOMPARE(document.lines.size(), count);
        for (const int line : {0, 65535, 65536, 65537, 131071, 131072, count - 1}) {
            QCOMPARE(document.lines.matchesAddition(LineIndex(line)), line % 2 == 0);
            QCOMPARE(document.lines.matchesFix(LineIndex(line)), line % 2 != 0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_HistoryLoader)
#include "tst_HistoryLoader.moc"
