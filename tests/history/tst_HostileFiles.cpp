// History files no change log should be: huge, binary, oddly encoded, or no file at all. Each is
// read to a sensible result or refused with a clear reason, and never crashes or blocks.
#include "DataTable.h"
#include "Positions.h"
#include "TestFiles.h"
#include "history/HistoryLoader.h"

#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

class tst_HostileFiles : public QObject
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

QTEST_GUILESS_MAIN(tst_HostileFiles)
#include "tst_HostileFiles.moc"
