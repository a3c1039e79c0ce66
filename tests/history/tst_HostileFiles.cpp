// History files no change log should be: huge, binary, oddly encoded, or no file at all. Each is
// read to a sensible result or refused with a clear reason, and never crashes or blocks.
#include "Positions.h"
#include "history/ChangesList.h"
#include "history/HistoryLoader.h"
#include "history/HistoryReader.h"
#include "history/Utf8.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList textLines(const HistoryLines &lines)
{
    QStringList out;
    for (LineIndex i(0); lines.contains(i); ++i)
        out.append(lines.text(i));
    return out;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out;
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return out;
}

} // namespace

class tst_HostileFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test file %s", qPrintable(path));
        return path;
    }
    // Loads into a document that already holds a history, so that a refusal can be seen to keep it.
    LoadResult loadOverPrevious(const QString &path, HistoryDocument &doc)
    {
        const QString previous = write(QStringLiteral("previous.txt"), "Release Total Commander 1\n");
        if (!LoadHistory(previous, DetectionSettings::defaults(), doc).ok)
            qFatal("cannot load the previous history");
        return LoadHistory(path, DetectionSettings::defaults(), doc);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void oddContentReadsAsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");

        const QString text = QStringLiteral("Release Wincmd 1\r\n10.03.99 Added: \u00E9t\u00E9");
        const QStringList expected{"Release Wincmd 1", QStringLiteral("10.03.99 Added: \u00E9t\u00E9")};
        QTest::newRow("no line end at all")
            << QByteArray("Release Wincmd 1") << QStringList{"Release Wincmd 1"};
        QTest::newRow("invalid UTF-8 read as Windows-1252")
            << QByteArray("caf\xE9\n\xC3\n\x80")
            << QStringList{QStringLiteral("caf\u00E9"), QStringLiteral("\u00C3"), QStringLiteral("\u20AC")};
        QTest::newRow("UTF-16 little-endian without BOM") << utf16(text, false) << expected;
        QTest::newRow("UTF-16 big-endian without BOM") << utf16(text, true) << expected;
        QTest::newRow("NUL bytes inside a line are no line end")
            << QByteArray("a\0b\nc", 5) << QStringList{QString::fromUtf8("a\0b", 3), "c"};
    }
    void oddContentReadsAsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);

        HistoryLines read;
        QCOMPARE(ReadFileLines(write(QStringLiteral("History.txt"), bytes), read).ok, true);
        QCOMPARE(textLines(read), lines);
    }

    void randomBytesGiveWellFormedLines()
    {
        QByteArray bytes(10 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator random(20240601);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        HistoryDocument doc;
        QCOMPARE(
            LoadHistory(write(QStringLiteral("random.txt"), bytes), DetectionSettings::defaults(), doc).ok,
            true);

        LineIndex firstBadLine;
        for (LineIndex i(0); doc.lines.contains(i) && firstBadLine.isNone(); ++i) {
            const QByteArrayView line = doc.lines.bytes(i);
            const auto *s = reinterpret_cast<const unsigned char *>(line.data());
            for (qsizetype k = 0; k < line.size() && firstBadLine.isNone();) {
                const int length = Utf8::sequenceLength(s + k, line.size() - k);
                if (length == 0)
                    firstBadLine = i;
                k += length;
            }
        }
        QCOMPARE(firstBadLine, NoLine);
    }

    void hugeLineStaysWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("a megabyte of NUL bytes") << QByteArray(1024 * 1024, '\0');
        QTest::newRow("fifty megabytes without a line end") << QByteArray(50 * 1024 * 1024, 'x');
    }
    void hugeLineStaysWhole()
    {
        QFETCH(QByteArray, bytes);
        HistoryLines read;
        QCOMPARE(ReadFileLines(write(QStringLiteral("long.txt"), bytes), read).ok, true);
        QCOMPARE(read.size(), 1);
        QCOMPARE(read.bytes(0_line).size(), bytes.size());
    }

    void millionEmptyLinesAreAllListed()
    {
        const int count = 1000 * 1000;
        HistoryDocument doc;
        const QString path = write(QStringLiteral("empty-lines.txt"), QByteArray(count, '\n'));
        QCOMPARE(LoadHistory(path, DetectionSettings::defaults(), doc).ok, true);
        QCOMPARE(doc.lines.size(), count);
        QCOMPARE(BuildChangesList(doc, {-1, ViewFilter::AllChanges, false}).rows.size(), count);
    }

    void unreadableFileIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");

        QTest::newRow("folder") << "folder"
                                << "It is a folder, not a file.";
        QTest::newRow("named pipe without writer") << "fifo"
                                                   << "It is not a regular file.";
        QTest::newRow("endless device") << "device"
                                        << "It is not a regular file.";
        QTest::newRow("file removed before the read") << "removed"
                                                      << "The file does not exist.";
        QTest::newRow("file without read permission") << "unpermitted"
                                                      << "Permission denied.";
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
        HistoryLines read = decodeHistoryBytes("kept");
        const QString path = write(QStringLiteral("big.txt"), QByteArray(4000, 'x'));
        const LoadResult result = ReadFileLines(path, read, 3999);
        QCOMPARE(result.error,
                 QStringLiteral("The file is too large (4000 bytes; at most 3999 bytes are read)."));
        QCOMPARE(textLines(read), QStringList{"kept"});
        QCOMPARE(ReadFileLines(path, read, 4000).ok, true);
    }
};

QTEST_GUILESS_MAIN(tst_HostileFiles)
#include "tst_HostileFiles.moc"
