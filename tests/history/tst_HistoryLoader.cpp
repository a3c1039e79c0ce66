// How a file becomes the history's lines, in either encoding and in two halves side by side, and
// files no change log should be: huge, binary, oddly encoded, or no file at all. Each is read to a
// sensible result or refused with a clear reason, and never crashes or blocks.
#include "DataTable.h"
#include "HistoryFixture.h"
#include "Positions.h"
#include "ReportText.h"
#include "TestFiles.h"

#include "history/ChangesReport.h"
#include "history/HistoryLoader.h"
#include "history/ReleasesReport.h"
#include "search/FindReport.h"
#include "stats/WeekdaysReport.h"
#include "text/Windows1252.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

class tst_HistoryLoader : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        if (!writeFile(path, bytes))
            qFatal("cannot write the test file %s", qPrintable(path));
        return path;
    }
    // Loads into a document that already holds a history, so that a refusal can be seen to keep it.
    LoadResult loadOverPrevious(const QString &path, HistoryDocument &doc, const HistoryLimits &limits = {})
    {
        const QString previous = write(QStringLiteral("previous.txt"), "Release Total Commander 1\n");
        if (!LoadHistory(previous, DetectionSettings::defaults(), doc).ok)
            qFatal("cannot load the previous history");
        return LoadHistory(path, DetectionSettings::defaults(), doc, {}, limits);
    }

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

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // A megabyte of NUL bytes is one line.
    void hugeLineStaysWhole()
    {
        const QByteArray bytes(1024 * 1024, '\0');
        HistoryDocument doc;
        QVERIFY(loadOverPrevious(write(QStringLiteral("long.txt"), bytes), doc).ok);
        QCOMPARE(doc.lines.size(), 1);
        QCOMPARE(doc.lines.bytes(0_line).size(), bytes.size());
    }

    // The index takes eight bytes a line: a file of short lines is refused when that is more
    // than twice its size and more than the floor, as a file over the size limit is.
    void tooManyLinesAreRefused_data()
    {
        const auto row = addColumns<QByteArray, int, qint64, QString>({"line", "count", "floor", "error"});
        const QString tooMany =
            QStringLiteral("The file has too many lines for its size (%1 lines in %2 bytes; "
                           "at most %3 lines are read from a file of this size).");
        row("blank lines", "\n", 100000, 0, tooMany.arg(100000).arg(100000).arg(25000));
        row("blank lines within the floor", "\n", 100000, 800000, "");
        row("lines of three bytes", "ab\n", 1000, 0, tooMany.arg(1000).arg(3000).arg(750));
        row("lines of four bytes", "abc\n", 1000, 0, "");
    }
    void tooManyLinesAreRefused()
    {
        auto [line, count, floor] = fetch<QByteArray, int, qint64>({"line", "count", "floor"});
        HistoryDocument doc;
        const LoadResult result =
            loadOverPrevious(write(QStringLiteral("short-lines.txt"), line.repeated(count)), doc,
                             HistoryLimits{DefaultHistorySizeLimit, floor});
        QTEST(result.error, "error");
        QCOMPARE(doc.lines.size(), result.ok ? count : 1);
    }

    void unreadableFileIsRefused_data()
    {
        const auto row = addColumns<QString, QString>({"kind", "error"});
        row("folder", "folder", "It is a folder, not a file.");
        row("named pipe without writer", "fifo", "It is not a regular file.");
        row("file removed before the read", "removed", "The file does not exist.");
        row("file without read permission", "unpermitted", "Permission denied.");
    }
    void unreadableFileIsRefused()
    {
        QFETCH(QString, kind);

        QString path = QStringLiteral("/dev/zero");
        if (kind == u"folder") {
            path = m_dir->path();
        } else if (kind == u"fifo") {
            path = m_dir->filePath(QStringLiteral("pipe"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == u"removed") {
            path = write(QStringLiteral("History.txt"), "Release Wincmd 2\n");
            QVERIFY(QFile::remove(path));
        } else if (kind == u"unpermitted") {
            if (::geteuid() == 0)
                QSKIP("root reads every file");
            path = write(QStringLiteral("History.txt"), "Release Wincmd 2\n");
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        }
        HistoryDocument doc;
        const LoadResult result = loadOverPrevious(path, doc);
        QTEST(result.error, "error");
        QCOMPARE(result.ok, false);
        QCOMPARE(doc.lines.text(0_line), QStringLiteral("Release Total Commander 1"));
        QCOMPARE(doc.releases.size(), std::size_t(1));
    }

    void onlyFileOverSizeLimitIsRefused()
    {
        HistoryDocument doc;
        const QString path = write(QStringLiteral("big.txt"), QByteArray(4000, 'x'));
        const LoadResult result = loadOverPrevious(path, doc, HistoryLimits{3999});
        QCOMPARE(result.error,
                 QStringLiteral("The file is too large (4000 bytes; at most 3999 bytes are read)."));
        QCOMPARE(doc.lines.text(0_line), QStringLiteral("Release Total Commander 1"));
        QCOMPARE(LoadHistory(path, DetectionSettings::defaults(), doc, {}, HistoryLimits{4000}).ok, true);
    }
};

QTEST_GUILESS_MAIN(tst_HistoryLoader)
#include "tst_HistoryLoader.moc"
