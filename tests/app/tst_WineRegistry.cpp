#include "app/FileManagerLocation.h"
#include "app/WinePrefix.h"
#include "app/WineRegistryFile.h"
#include "app/cRegistry.h"
#include "settings/Globals.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21\n\n";
const QString tcKey = QStringLiteral("Software\\Ghisler\\Total Commander");

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A prefix laid out as Wine makes it: drive_c, and dosdevices/c: linking to it.
bool makePrefix(const QString &dir)
{
    return QDir(dir).mkpath(QStringLiteral("drive_c/totalcmd")) &&
           QDir(dir).mkpath(QStringLiteral("dosdevices")) &&
           QFile::link(QStringLiteral("../drive_c"), dir + QStringLiteral("/dosdevices/c:"));
}

} // namespace

class TestWineRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InitGlobals(); }

    void valueFromHive_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected"); // the marker word "<none>" when nothing is found

        const QByteArray tc = "[Software\\\\Ghisler\\\\Total Commander] 1700000000\n#time=1d9\n";
        QTest::newRow("escaped backslashes") << tc + "\"InstallDir\"=\"C:\\\\totalcmd\"\n"
                                             << tcKey << "InstallDir"
                                             << "C:\\totalcmd";
        QTest::newRow("key and name in any case") << tc + "\"InstallDir\"=\"x\"\n"
                                                  << "software\\GHISLER\\total commander"
                                                  << "installdir"
                                                  << "x";
        QTest::newRow("expandable text") << tc + "\"P\"=str(2):\"%ProgramFiles%\\\\tc\"\n"
                                         << tcKey << "P"
                                         << "%ProgramFiles%\\tc";
        QTest::newRow("default value") << tc + "@=\"d\"\n"
                                       << tcKey << ""
                                       << "d";
        QTest::newRow("dword as decimal") << tc + "\"N\"=dword:000000ff\n"
                                          << tcKey << "N"
                                          << "255";
        QTest::newRow("binary not read") << tc + "\"B\"=hex:01,02,\\\n  03\n"
                                         << tcKey << "B"
                                         << "<none>";
        QTest::newRow("escapes") << tc + "\"V\"=\"say \\\"hi\\\"\\tcaf\\xe9 \\x263a\"\n"
                                 << tcKey << "V" << QStringLiteral("say \"hi\"\tcaf\u00e9 \u263a");
        QTest::newRow("four-digit escape before hex letter") << tc + "\"V\"=\"\\x00e9a\"\n"
                                                             << tcKey << "V" << QStringLiteral("\u00e9a");
        QTest::newRow("UTF-8 file") << tc + "\"V\"=\"caf\xc3\xa9\"\n"
                                    << tcKey << "V" << QStringLiteral("caf\u00e9");
        QTest::newRow("Latin-1 file") << tc + "\"V\"=\"caf\xe9\"\n"
                                      << tcKey << "V" << QStringLiteral("caf\u00e9");
        QTest::newRow("continued line") << tc + "\"V\"=\"C:\\\\to\\\n   talcmd\"\n"
                                        << tcKey << "V"
                                        << "C:\\totalcmd";
        QTest::newRow("CRLF line ends") << QByteArray(tc).replace("\n", "\r\n") + "\"V\"=\"x\"\r\n"
                                        << tcKey << "V"
                                        << "x";
        QTest::newRow("text ends at NUL") << tc + "\"V\"=str(7):\"a\\0b\\0\"\n"
                                          << tcKey << "V"
                                          << "a";
        QTest::newRow("value of a sibling key") << tc + "[Software\\\\Ghisler\\\\Other] 1\n\"V\"=\"x\"\n"
                                                << tcKey << "V"
                                                << "<none>";
        QTest::newRow("bracket in key name") << QByteArray("[A\\\\B\\]C] 1\n\"V\"=\"x\"\n") << "A\\B]C"
                                             << "V"
                                             << "x";
        QTest::newRow("unterminated text") << tc + "\"V\"=\"C:\\\\tot\n"
                                           << tcKey << "V"
                                           << "<none>";
        QTest::newRow("file cut after a backslash") << tc + "\"V\"=\"abc\\" << tcKey << "V"
                                                    << "<none>";
        QTest::newRow("file cut in a key name") << QByteArray("[Software\\\\Ghi") << tcKey << "V"
                                                << "<none>";
    }
    void valueFromHive()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(WineRegistryFile(header + body).value(key, name).value_or(QStringLiteral("<none>")),
                 expected);
    }

    void fileWithoutHeaderHoldsNothing()
    {
        const WineRegistryFile file("[Software\\\\Ghisler\\\\Total Commander] 1\n\"InstallDir\"=\"x\"\n");
        QCOMPARE(file.value(tcKey, QStringLiteral("InstallDir")), std::nullopt);
    }

    void windowsPathMappedThroughPrefix_data()
    {
        QTest::addColumn<QString>("windowsPath");
        QTest::addColumn<QString>("expected"); // "<drive_c>" stands for the prefix's real drive_c

        QTest::newRow("folder on C:") << "C:\\totalcmd"
                                      << "<drive_c>/totalcmd";
        QTest::newRow("drive letter in lower case") << "c:\\totalcmd\\"
                                                    << "<drive_c>/totalcmd/";
        QTest::newRow("drive root") << "C:"
                                    << "<drive_c>/";
        QTest::newRow("drive without a device") << "D:\\tc"
                                                << "D:\\tc";
        QTest::newRow("no drive letter") << "totalcmd"
                                         << "totalcmd";
    }
    void windowsPathMappedThroughPrefix()
    {
        QFETCH(QString, windowsPath);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(makePrefix(dir.path()));
        const QString driveC = QFileInfo(dir.path() + QStringLiteral("/drive_c")).canonicalFilePath();
        QCOMPARE(WinePrefix(dir.path()).toLocalPath(windowsPath), expected.replace("<drive_c>", driveC));
    }

    void driveCWithoutDeviceFallsBackToDriveC()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("drive_c")));
        QCOMPARE(WinePrefix(dir.path()).toLocalPath(QStringLiteral("C:\\tc")),
                 dir.path() + QStringLiteral("/drive_c/tc"));
    }

    void installDirFoundAsRealFolder()
    {
        QTemporaryDir dir;
        QVERIFY(makePrefix(dir.path()));
        QVERIFY(writeFile(dir.path() + "/user.reg", header + "[Software\\\\Ghisler\\\\Total Commander] 1\n"
                                                             "\"InstallDir\"=\"C:\\\\totalcmd\"\n"));
        QVERIFY(writeFile(dir.path() + "/system.reg", header +
                                                          "[Software\\\\Ghisler\\\\Total Commander] 1\n"
                                                          "\"InstallDir\"=\"C:\\\\Program Files\\\\tc\"\n"));
        qputenv("WINEPREFIX", dir.path().toLocal8Bit());
        qunsetenv("Commander_Path");
        const cRegistry registry;
        QCOMPARE(registry.ReadValue("HKEY_LOCAL_MACHINE\\" + tcKey, QStringLiteral("InstallDir")),
                 QStringLiteral("C:\\Program Files\\tc"));
        QCOMPARE(registry.ReadValue("HKEY_USERS\\" + tcKey, QStringLiteral("InstallDir")),
                 globals().MissingValueMarker);

        FileManagerDirSources sources = systemFileManagerDirSources(registry, globals().MissingValueMarker);
        sources.expandPath = [](const QString &path) { return path; };
        sources.addBackslash = [](const QString &path) { return path + u'/'; };
        sources.writeStoredDir = [](const QString &) {};
        QCOMPARE(FindFileManagerDir(sources),
                 QFileInfo(dir.path() + QStringLiteral("/drive_c/totalcmd")).canonicalFilePath() + u'/');
    }

    void noPrefixFindsNothing()
    {
        QTemporaryDir home;
        qputenv("WINEPREFIX", (home.path() + QStringLiteral("/missing")).toLocal8Bit());
        const cRegistry registry;
        QCOMPARE(registry.ReadValue("HKEY_CURRENT_USER\\" + tcKey, QStringLiteral("InstallDir")),
                 globals().MissingValueMarker);
        QCOMPARE(registry.LocalPath(QStringLiteral("C:\\totalcmd")), QStringLiteral("C:\\totalcmd"));
    }
};

QTEST_GUILESS_MAIN(TestWineRegistry)
#include "tst_WineRegistry.moc"
