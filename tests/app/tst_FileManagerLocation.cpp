#include "DataTable.h"

#include "app/FileManagerLocation.h"
#include "app/StartFileChoice.h"
#include "app/WinePrefix.h"
#include "app/WineRegistryFile.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

const QString marker = QStringLiteral("ABCDEF012345abcdef");

// Stands in for the path routines of the settings folder: the placeholder, and separators made
// native as the real expansion makes them.
QString expand(const QString &path)
{
    QString expanded = path;
    expanded.replace(QStringLiteral("%commander_path%"), QStringLiteral("opt/tc"), Qt::CaseInsensitive);
    return expanded.replace(u'\\', u'/');
}

// Stands in for the Wine prefix: drive D: is the folder /d, whichever separator follows it.
QString mapDriveD(const QString &path)
{
    if (path.size() < 3 || !path.startsWith(QLatin1String("D:")) || (path[2] != u'\\' && path[2] != u'/'))
        return path;
    return QStringLiteral("/d") + path.mid(2).replace(u'\\', u'/');
}

QString addSeparator(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

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

class tst_FileManagerLocation : public QObject
{
    Q_OBJECT

private slots:
    void directorySources_data()
    {
        const auto row = addColumns<QString, QString, QString, QString, QString, QStringList>(
            {"environment", "user", "machine", "stored", "expected", "written"});

        const QString m = marker;
        row("environment wins and is remembered", "C:\\FM", "/u", "/m", "/s", "C:\\FM/", {"C:\\FM"});
        row("user registry over machine", "", "/u", "/m", "/s", "/u/", {"/u"});
        row("marker when nothing knows the folder", "", m, m, m, m, {});
        row("placeholder in registry value", "", "%commander_path%", m, m, "opt/tc/", {"opt/tc"});
        row("marker in other case is absent", "", m.toLower(), "/m", m, "/m/", {"/m"});
        row("empty registry value is absent", "", "", "/m", m, "/m/", {"/m"});
        row("empty remembered folder is absent", "", m, m, "", m, {});
        row("environment drive mapped", "D:\\FM", "/u", m, m, "/d/FM/", {"/d/FM"});
        // The folder as it is named on this system, whatever the case it was given in.
        const QString tc = m_scratch.path() + "/Tc";
        QVERIFY(QDir().mkpath(tc));
        row("environment folder in another case", m_scratch.path() + "/tc", m, m, m, tc + '/', {tc});
        row("remembered folder in another case", "", m, m, m_scratch.path() + "/TC", tc + '/', {});
    }
    void directorySources()
    {
        auto [environment, user, machine, stored] =
            fetch<QString, QString, QString, QString>({"environment", "user", "machine", "stored"});

        QStringList writes;
        const auto read = [&](const QString &defaultValue) {
            return stored == marker ? defaultValue : stored;
        };
        const auto write = [&](const QString &value) { writes << value; };
        FileManagerDirSources sources{marker,       environment, user, machine, expand,
                                      addSeparator, mapDriveD,   read, write};
        QTEST(FindFileManagerDir(sources), "expected");
        QTEST(writes, "written");
    }

    // Paths are relative to a scratch folder that holds the existing files, as the current folder.
    void startFile_data()
    {
        const auto row = addColumns<QString, QString, QString, QStringList, StartFileChoice>(
            {"commandLine", "fileManagerDir", "lastFile", "existing", "expected"});

        const QString m = marker;
        using S = StartFileSource;
        row("default history file", "", "tc/", m, {"tc/History.txt"}, {S::DefaultHistory, "tc/History.txt"});
        row("default history as the file manager names it", "", "TC/", m, {"tc/HISTORY.TXT"},
            {S::DefaultHistory, "tc/HISTORY.TXT"});
        row("command-line file before LastFile", "x/h.txt", "tc/", "y/last.txt",
            {"x/h.txt", "tc/History.txt", "y/last.txt"}, {S::CommandLine, "x/h.txt"});
        row("command line expanded, in another case", "%Commander_Path%/H.txt", "tc/", m, {"opt/tc/h.txt"},
            {S::CommandLine, "opt/tc/h.txt"});
        row("missing command-line file falls back to LastFile", "x/gone.txt", "tc/",
            "%commander_path%/OLD.txt", {"tc/History.txt", "opt/tc/old.txt"},
            {S::LastFile, "opt/tc/old.txt"});
        row("neither exists opens the dialog", "x/gone.txt", "tc/", "y/gone.txt", {}, {});
        row("unknown folder names no default file", "", m, m, {m + "History.txt"}, {});
    }
    void startFile()
    {
        auto [commandLine, fileManagerDir, lastFile, existing] =
            fetch<QString, QString, QString, QStringList>(
                {"commandLine", "fileManagerDir", "lastFile", "existing"});
        QTemporaryDir temp;
        for (const QString &name : existing) {
            QVERIFY(QDir(temp.path()).mkpath(QFileInfo(name).path()));
            QVERIFY(QFile(temp.filePath(name)).open(QIODevice::WriteOnly));
        }
        const QString before = QDir::currentPath();
        const auto restore = qScopeGuard([&] { QDir::setCurrent(before); });
        QVERIFY(QDir::setCurrent(temp.path()));
        const StartFileInputs inputs{marker, commandLine, fileManagerDir, lastFile, expand, FileExists};
        QTEST(StartFileChoice::choose(inputs), "expected");
    }

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

private:
    QTemporaryDir m_scratch;
};

QTEST_GUILESS_MAIN(tst_FileManagerLocation)
#include "tst_FileManagerLocation.moc"
