#include "DataTable.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program with a settings file of its own in `dir`.
Run runVelomir(const QTemporaryDir &dir, QStringList arguments)
{
    arguments.prepend(dir.filePath(QStringLiteral("velomir.ini")));
    arguments.prepend(QStringLiteral("--ini"));
    QProcess process;
    process.start(QStringLiteral(VELOMIR_EXE), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

const QString Examples = QStringLiteral(VELOMIR_SOURCE_DIR "/examples/History.txt");
} // namespace

class tst_HeadlessReports : public QObject
{
    Q_OBJECT

private slots:
    void releasesOfTheExample()
    {
        QTemporaryDir dir;
        const Run run = runVelomir(dir, {QStringLiteral("--releases"), Examples});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        QFile expected(QStringLiteral(VELOMIR_TEST_DATA "/history/examples-releases.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(run.out).split(u'\n'), QString::fromUtf8(expected.readAll()).split(u'\n'));
        // Reports only read the settings.
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("velomir.ini"))));
    }

    void weekdaysEndsWithTotal()
    {
        QTemporaryDir dir;
        const Run run = runVelomir(dir, {QStringLiteral("--weekdays"), Examples});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.out).trimmed().split(u'\n');
        QVERIFY2(lines.last().startsWith(QLatin1String("Total")), qPrintable(lines.last()));
    }

    void failuresExitWithMessage_data()
    {
        // named: what the one line on stderr must name
        const auto row = addColumns<QStringList, int, QString>({"arguments", "exitCode", "named"});

        row("unknown release key", QStringList{"--changes", Examples, "--release", "k999999"}, 2, "k999999");
        const QString missing = QStringLiteral(VELOMIR_TEST_DATA "/history/no such History.txt");
        row("missing file", QStringList{"--releases", missing}, 1, missing);
    }
    void failuresExitWithMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, named);
        QTemporaryDir dir;
        const Run run = runVelomir(dir, arguments);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QByteArray());
        const QString message = QString::fromUtf8(run.err);
        QCOMPARE(message.count(u'\n'), 1);
        QVERIFY(message.endsWith(u'\n'));
        QVERIFY2(message.contains(named), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(tst_HeadlessReports)
#include "tst_HeadlessReports.moc"
