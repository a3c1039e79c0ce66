#include "DataTable.h"

#include "app/FileManagerLocation.h"
#include "app/StartFileChoice.h"

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

private:
    QTemporaryDir m_scratch;
};

QTEST_GUILESS_MAIN(tst_FileManagerLocation)
#include "tst_FileManagerLocation.moc"
