// The settings file survives what happens to running programs: a writer killed at any moment,
// two copies writing at once, and a file, folder or disk that refuses the write. The writers are
// this test program started again with "--child". The kill schedule is random: its seed is
// printed, and VELOMIR_SURVIVE_SEED=<seed> replays it.
#include "DataTable.h"
#include "TestFiles.h"

#include "settings/Globals.h"
#include "settings/IniFile.h"
#include "settings/cProfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <climits>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

constexpr int NobodyId = 65534;
constexpr int Waited = 30000; // ms; reached only when something is wrong

QString keyName(const QString &prefix, int i)
{
    return prefix + QString::number(i).rightJustified(4, u'0');
}

// Long enough that a write takes a while, so that kills land inside writes.
QString valueOf(int i)
{
    return QString(200 + (i * 37) % 300, QChar(u'a' + i % 26)) + u' ';
}

// Much text that every write has to carry over.
QByteArray startingFile()
{
    QByteArray bytes("[Padding]\n");
    for (int i = 0; i < 3000; ++i)
        bytes += "Line" + QByteArray::number(i) + "=" + QByteArray(60, 'p') + "\n";
    return bytes + "[Velomir]\nLastFile=/home/user/History.txt\n";
}

QByteArray fileAfterWrites(const QString &prefix, int count)
{
    IniFile ini = IniFile::fromBytes(startingFile());
    for (int i = 0; i < count; ++i) {
        if (!ini.setValue(SectionVelomir, keyName(prefix, i), QuoteProfileValue(valueOf(i))))
            qFatal("cannot build the expected file");
    }
    return ini.toBytes();
}

quint32 killSeed()
{
    bool given = false;
    const quint32 seed = qEnvironmentVariable("VELOMIR_SURVIVE_SEED").toUInt(&given);
    return given ? seed : QRandomGenerator::global()->generate();
}

// The writers. Each prints one line per write done and exits 0 unless told otherwise below.
int runChild(const QStringList &args)
{
    const QString mode = args.value(0);
    ProgramPaths paths;
    paths.IniFilePath = args.value(1);
    if (mode == u"drop-to-nobody") {
        if (::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0)
            return 3;
    } else if (mode == u"file-size-limit") {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(args.value(2).toLongLong()), rlim_t(args.value(2).toLongLong())};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
    }
    cProfile profile(paths);
    if (mode == u"write-keys" || mode == u"write-forever") {
        const int count = mode == u"write-forever" ? INT_MAX : args.value(3).toInt();
        // Only writes the profile said were done are acknowledged: a refused one promises nothing.
        int written = 0;
        for (int i = 0; i < count; ++i) {
            if (!profile.WriteValue(SectionVelomir, keyName(args.value(2), i), valueOf(i), args.value(1)))
                continue;
            std::printf("%d\n", ++written);
            std::fflush(stdout);
        }
        return written == count ? 0 : 1;
    }
    // One write that must be refused, then a read to show the program goes on.
    const bool written =
        profile.WriteValue(SectionVelomir, QStringLiteral("New"), QString(100000, u'n'), args.value(1));
    const QString read =
        profile.ReadValue(SectionVelomir, QStringLiteral("LastFile"), QString(), args.value(1));
    std::printf("%s %s\n", written ? "written" : "refused", qPrintable(read));
    return 0;
}

} // namespace

class tst_SettingsSurvive : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_ini;
    ProgramPaths m_paths;

    QProcess *startChild(const QStringList &args)
    {
        auto *child = new QProcess(this);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
        return child;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_ini = m_dir->filePath(QStringLiteral("velomir.ini"));
        m_paths.IniFilePath = m_ini;
        QVERIFY(writeFile(m_ini, startingFile()));
    }

    void killedWriterLeavesWholeFile()
    {
        const quint32 seed = killSeed();
        qInfo("kill schedule seed %u (replay: VELOMIR_SURVIVE_SEED=%u)", seed, seed);
        QRandomGenerator schedule(seed);
        for (int round = 0; round < 15; ++round) {
            QVERIFY(writeFile(m_ini, startingFile()));
            std::unique_ptr<QProcess> writer(startChild({"write-forever", m_ini, "Key"}));
            // Kill after a random number of finished writes, so the kill falls in the next one.
            const int writesBeforeKill = schedule.bounded(1, 12);
            int acknowledged = 0;
            while (acknowledged < writesBeforeKill && writer->waitForReadyRead(Waited)) {
                while (writer->canReadLine())
                    acknowledged = writer->readLine().trimmed().toInt();
            }
            writer->kill();
            QVERIFY(writer->waitForFinished(Waited));
            QVERIFY2(acknowledged >= writesBeforeKill, "the writer stopped before it was killed");

            const QByteArray bytes = readFile(m_ini);
            const int keys = int(IniFile::fromBytes(bytes).keyNames(SectionVelomir).size()) - 1;
            QVERIFY2(keys >= acknowledged, "an acknowledged write is missing");
            QCOMPARE(bytes, fileAfterWrites(QStringLiteral("Key"), keys));
        }
    }

    void twoCopiesLoseNoWrite()
    {
        constexpr int Writes = 40;
        QProcess *first = startChild({"write-keys", m_ini, "A", QString::number(Writes)});
        QProcess *second = startChild({"write-keys", m_ini, "B", QString::number(Writes)});
        QVERIFY(first->waitForFinished(10 * Waited) && second->waitForFinished(10 * Waited));
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(second->exitCode(), 0);

        const IniFile ini = IniFile::load(m_ini);
        QStringList missing;
        for (const QString &prefix : {QStringLiteral("A"), QStringLiteral("B")}) {
            for (int i = 0; i < Writes; ++i) {
                if (ini.value(SectionVelomir, keyName(prefix, i)) != valueOf(i))
                    missing.append(keyName(prefix, i));
            }
        }
        QCOMPARE(missing, QStringList());
    }

    // However old its lock file, a running holder is waited for and the write given up in time; a
    // lock file left empty by a copy that died before writing its name in it is taken over.
    void oldLockFileIsWaitedForOrTakenOver_data()
    {
        const auto row = addColumns<bool, bool>({"held", "written"});
        row("held by a running copy", true, false);
        row("left empty by a copy that died", false, true);
    }
    void oldLockFileIsWaitedForOrTakenOver()
    {
        QFETCH(bool, held);
        const QString lockPath = m_ini + QStringLiteral(".lock");
        QLockFile other(lockPath);
        QVERIFY(held ? other.tryLock(0) : writeFile(lockPath, QByteArray()));
        QFile lockFile(lockPath);
        QVERIFY(lockFile.open(QIODevice::ReadWrite) &&
                lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                     QFileDevice::FileModificationTime));
        lockFile.close();

        cProfile profile(m_paths, held ? 200ms : cProfile::DefaultLockTimeout);
        QElapsedTimer waited;
        waited.start();
        QTEST(profile.WriteValue(SectionVelomir, QStringLiteral("New"), QStringLiteral("x"), m_ini),
              "written");
        QCOMPARE_LT(waited.elapsed(), cProfile::DefaultLockTimeout.count());
        if (held)
            QCOMPARE(readFile(m_ini), startingFile());
    }

    void refusedWriteKeepsFile_data()
    {
        const auto row = addColumns<QString, QString>({"mode", "setup"});
        row("read-only file", "drop-to-nobody", "read-only file");
        row("read-only folder", "drop-to-nobody", "read-only folder");
        row("disk full", "file-size-limit", "");
    }
    void refusedWriteKeepsFile()
    {
        auto [mode, setup] = fetch<QString, QString>({"mode", "setup"});
        // The folder is reachable by the ordinary user the child becomes; root ignores permissions.
        const QFile::Permissions everyone = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                            QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        const QFile::Permissions writable = QFile::WriteOwner | QFile::WriteOther;
        const bool fileReadOnly = setup == u"read-only file";
        QVERIFY(QFile::setPermissions(m_dir->path(),
                                      everyone | (fileReadOnly ? writable : QFile::Permissions())));
        QVERIFY(QFile::setPermissions(m_ini, QFile::ReadOwner | QFile::ReadOther |
                                                 (fileReadOnly ? QFile::Permissions() : writable)));
        const QString limit = QString::number(startingFile().size() + 1000);
        std::unique_ptr<QProcess> child(startChild({mode, m_ini, limit}));
        QVERIFY(child->waitForFinished(Waited));
        QFile::setPermissions(m_dir->path(), everyone | QFile::WriteOwner);
        if (child->exitCode() == 3)
            QSKIP("this machine does not let the test drop its rights or limit file sizes");
        QCOMPARE(child->readAllStandardOutput(), QByteArray("refused /home/user/History.txt\n"));
        QCOMPARE(readFile(m_ini), startingFile());
    }

    void endlessDeviceIsNotRead()
    {
        // Reading /dev/full gives NUL bytes without end, and writing it fails as on a full disk.
        cProfile profile(m_paths);
        const QString device = QStringLiteral("/dev/full");
        QCOMPARE(profile.WriteValue(SectionVelomir, QStringLiteral("New"), QStringLiteral("x"), device),
                 false);
        QCOMPARE(profile.ReadValue(SectionVelomir, QStringLiteral("New"), QStringLiteral("default"), device),
                 QStringLiteral("default"));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(app.arguments().mid(2));
    tst_SettingsSurvive test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SettingsSurvive.moc"
