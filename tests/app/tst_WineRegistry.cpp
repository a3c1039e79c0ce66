#include "DataTable.h"

#include "app/WinePrefix.h"
#include "app/WineRegistryFile.h"

#include <QTemporaryDir>

namespace {

const QByteArray header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21\n\n";
const QString tcKey = QStringLiteral("Software\\Ghisler\\Total Commander");

// A prefix laid out as Wine makes it: drive_c, and dosdevices/c: linking to it.
bool makePrefix(const QString &dir)
{
    return QDir(dir).mkpath(QStringLiteral("drive_c/totalcmd")) &&
           QDir(dir).mkpath(QStringLiteral("dosdevices")) &&
           QFile::link(QStringLiteral("../drive_c"), dir + QStringLiteral("/dosdevices/c:"));
}

} // namespace

class tst_WineRegistry : public QObject
{
    Q_OBJECT

private slots:
    void valueFromHive_data()
    {
        // expected: "<none>" when nothing is found
        const auto add =
            addColumns<QByteArray, QString, QString, QString>({"body", "key", "name", "expected"});
        const auto row = [&](const char *tag, const QByteArray &body, const QString &name,
                             const QString &expected,
                             const QString &key = tcKey) { add(tag, header + body, key, name, expected); };

        const QByteArray tc = "[Software\\\\Ghisler\\\\Total Commander] 1700000000\n#time=1d9\n";
        row("key and name in any case", tc + "\"InstallDir\"=\"x\"\n", "installdir", "x",
            "software\\GHISLER\\total commander");
        row("expandable text", tc + "\"P\"=str(2):\"%ProgramFiles%\\\\tc\"\n", "P", "%ProgramFiles%\\tc");
        row("default value", tc + "@=\"d\"\n", "", "d");
        row("dword as decimal", tc + "\"N\"=dword:000000ff\n", "N", "255");
        row("binary not read", tc + "\"B\"=hex:01,02,\\\n  03\n", "B", "<none>");
        row("escapes", tc + "\"V\"=\"say \\\"hi\\\"\\tcaf\\xe9 \\x263a\"\n", "V",
            QStringLiteral("say \"hi\"\tcaf\u00e9 \u263a"));
        row("four-digit escape before hex letter", tc + "\"V\"=\"\\x00e9a\"\n", "V",
            QStringLiteral("\u00e9a"));
        row("UTF-8 file", tc + "\"V\"=\"caf\xc3\xa9\"\n", "V", QStringLiteral("caf\u00e9"));
        row("Latin-1 file", tc + "\"V\"=\"caf\xe9\"\n", "V", QStringLiteral("caf\u00e9"));
        row("continued line", tc + "\"V\"=\"C:\\\\to\\\n   talcmd\"\n", "V", "C:\\totalcmd");
        row("CRLF line ends", QByteArray(tc).replace("\n", "\r\n") + "\"V\"=\"x\"\r\n", "V", "x");
        row("text ends at NUL", tc + "\"V\"=str(7):\"a\\0b\\0\"\n", "V", "a");
        row("value of a sibling key", tc + "[Software\\\\Ghisler\\\\Other] 1\n\"V\"=\"x\"\n", "V", "<none>");
        row("bracket in key name", "[A\\\\B\\]C] 1\n\"V\"=\"x\"\n", "V", "x", "A\\B]C");
        row("unterminated text", tc + "\"V\"=\"C:\\\\tot\n", "V", "<none>");
        row("file cut after a backslash", tc + "\"V\"=\"abc\\", "V", "<none>");
        row("file cut in a key name", "[Software\\\\Ghi", "V", "<none>");
        add("file without header holds nothing", tc + "\"V\"=\"x\"\n", tcKey, "V", "<none>");
    }
    void valueFromHive()
    {
        auto [body, key, name] = fetch<QByteArray, QString, QString>({"body", "key", "name"});
        QTEST(WineRegistryFile(body).value(key, name).value_or(QStringLiteral("<none>")), "expected");
    }

    void windowsPathMappedThroughPrefix_data()
    {
        // deviceLink: without dosdevices/c: the prefix's drive_c is taken; expected: "<drive_c>" stands for
        // the prefix's real drive_c
        const auto row = addColumns<bool, QString, QString>({"deviceLink", "windowsPath", "expected"});

        row("drive letter in lower case", true, "c:\\totalcmd\\", QStringLiteral("<drive_c>/totalcmd/"));
        row("drive root", true, "C:", QStringLiteral("<drive_c>/"));
        row("forward slashes", true, "C:/totalcmd", QStringLiteral("<drive_c>/totalcmd"));
        row("folder in another case", true, "C:\\TotalCmd\\", QStringLiteral("<drive_c>/totalcmd/"));
        row("drive without a device", true, "D:\\tc", QStringLiteral("D:\\tc"));
        row("no drive letter", true, "totalcmd", QStringLiteral("totalcmd"));
        row("drive_c without a device link", false, "C:\\tc", QStringLiteral("<drive_c>/tc"));
    }
    void windowsPathMappedThroughPrefix()
    {
        auto [deviceLink, windowsPath, expected] =
            fetch<bool, QString, QString>({"deviceLink", "windowsPath", "expected"});
        QTemporaryDir dir;
        QVERIFY(deviceLink ? makePrefix(dir.path()) : QDir(dir.path()).mkpath(QStringLiteral("drive_c")));
        const QString driveC =
            deviceLink ? QFileInfo(dir.path() + "/drive_c").canonicalFilePath() : dir.path() + "/drive_c";
        QCOMPARE(WinePrefix(dir.path()).toLocalPath(windowsPath), expected.replace("<drive_c>", driveC));
    }
};

QTEST_GUILESS_MAIN(tst_WineRegistry)
#include "tst_WineRegistry.moc"
