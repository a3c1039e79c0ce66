#include "DataTable.h"

#include "settings/CaseBlindPath.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class tst_ProfilePaths : public QObject
{
    Q_OBJECT

    ProgramPaths m_paths;

private slots:
    void init()
    {
        m_paths = {QStringLiteral("/opt/velomir/"), {}, QStringLiteral("/opt/velomir/tc/"), 3};
        qputenv("VELOMIR_TEST_DIR", "/data");
        qunsetenv("VELOMIR_UNSET");
    }

    void expandPath_data()
    {
        const auto add = addColumns<QString, QString, QString>({"stored", "expanded", "fileManagerDir"});
        const auto row = [&](const char *name, const QString &stored, const QString &expanded,
                             const QString &fileManagerDir = QStringLiteral("/opt/velomir/tc/")) {
            add(name, stored, expanded, fileManagerDir);
        };
        row("empty stays empty", "", "");
        row("program folder placeholder", "PELLAVORIN:\\sub\\a.ini", "/opt/velomir/sub/a.ini");
        row("program folder placeholder, slash", "pellavorin:/a.ini", "/opt/velomir/a.ini");
        row("file manager placeholder", "%commander_path%\\History.txt", "/opt/velomir/tc/History.txt");
        row("environment variable", "%VELOMIR_TEST_DIR%/x.ini", "/data/x.ini");
        row("unset variable kept, next expanded", "%VELOMIR_UNSET%%VELOMIR_TEST_DIR%",
            "%VELOMIR_UNSET%/data");
        row("lone percent kept", "100%", "100%");
        row("%% before a variable: one sign, then the variable", "%%VELOMIR_TEST_DIR%/x.ini", "%/data/x.ini");
        row("unknown file manager folder is not the root", "%Commander_Path%\\History.txt",
            "%Commander_Path%/History.txt", "");
    }
    void expandPath()
    {
        auto [fileManagerDir, stored] = fetch<QString, QString>({"fileManagerDir", "stored"});

        m_paths.FileManagerDir = fileManagerDir;
        QTEST(ExpandPath(stored, m_paths), "expanded");
    }

    void collapsePath_data()
    {
        const auto row = addColumns<int, QString, QString>({"unExpandPaths", "path", "stored"});

        const QString tcHistory = QStringLiteral("/opt/velomir/tc/History.txt");
        row("3: program folder wins", 3, tcHistory, "pellavorin:\\tc/History.txt");
        row("2: file manager form", 2, tcHistory, "%Commander_Path%/History.txt");
        row("1: outside both unchanged", 1, "/home/h.txt", "/home/h.txt");
        row("0: unchanged", 0, tcHistory, tcHistory);
        row("marker unchanged", 3, missingValueMarker().toLower(), missingValueMarker().toLower());
        row("folder differing by case is another folder", 3, "/opt/Velomir/a.txt", "/opt/Velomir/a.txt");
    }
    void collapsePath()
    {
        auto [unExpandPaths, path] = fetch<int, QString>({"unExpandPaths", "path"});

        m_paths.UnExpandPaths = unExpandPaths;
        QTEST(CollapsePath(path, m_paths), "stored");
    }

    void caseBlindNames_data()
    {
        const auto row = addColumns<QString, QString>({"path", "found"});
        row("exact name", "tc/HISTORY.TXT", "tc/HISTORY.TXT");
        row("name in another case", "tc/History.txt", "tc/HISTORY.TXT");
        row("both cases: the exact one", "both/History.txt", "both/History.txt");
        row("both cases, neither exact: the first in order", "both/history.txt", "both/HISTORY.TXT");
        row("folders in another case", "PROGRAM FILES/TotalCmd/", "Program Files/totalcmd/");
        row("no such name: unchanged", "tc/WhatsNew.txt", "tc/WhatsNew.txt");
        row("no such folder: unchanged", "TC2/HISTORY.TXT", "TC2/HISTORY.TXT");
    }
    void caseBlindNames()
    {
        auto [path, found] = fetch<QString, QString>({"path", "found"});
        QTemporaryDir temp;
        for (const QString name :
             {"tc/HISTORY.TXT", "both/History.txt", "both/HISTORY.TXT", "Program Files/totalcmd/x"}) {
            QVERIFY(QDir(temp.path()).mkpath(QFileInfo(name).path()));
            QVERIFY(QFile(temp.filePath(name)).open(QIODevice::WriteOnly));
        }
        QCOMPARE(findCaseBlind(temp.filePath(path)), temp.filePath(found));
    }

    void systemProgramDir_data()
    {
        const auto row = addColumns<QString, bool>({"appDir", "system"});

        row("distribution's program folder", "/usr/bin/", true);
        row("folder it was built to be installed in", "/opt/velomir/bin/", true);
        row("same folder, written otherwise", "/opt/velomir/./bin", true);
        row("another folder under /opt", "/opt/velomir/", false);
        row("name that only begins like /usr", "/usrdata/velomir/", false);
        row("build tree", "/home/ann/velomir/build/", false);
    }
    void systemProgramDir()
    {
        QFETCH(QString, appDir);
        QTEST(isSystemProgramDir(appDir, QStringLiteral("/opt/velomir/bin")), "system");
    }

    void choosesIniFile_data()
    {
        // programDir: "build", "installed" or "missing"; chosen: "explicit", "beside" or "user"
        const auto row = addColumns<QString, QString, bool, QString>(
            {"explicitPath", "programDir", "iniBeside", "chosen"});

        row("--ini wins over everything", "/x/named.ini", "installed", true, "explicit");
        row("build tree writes beside the program", "", "build", false, "beside");
        row("installed program goes per user though its folder is writable", "", "installed", false, "user");
        row("installed program keeps a settings file beside it", "", "installed", true, "beside");
        row("folder that cannot be written goes per user", "", "missing", false, "user");
    }
    void choosesIniFile()
    {
        auto [explicitPath, programDir, iniBeside, chosen] =
            fetch<QString, QString, bool, QString>({"explicitPath", "programDir", "iniBeside", "chosen"});

        QTemporaryDir temp;
        QVERIFY(temp.isValid());
        const QString appDir =
            AddBackslash(temp.path()) + (programDir == QLatin1String("missing") ? "missing/" : "");
        if (iniBeside) {
            QFile ini(appDir + QStringLiteral("velomir.ini"));
            QVERIFY(ini.open(QIODevice::WriteOnly));
        }
        const QString installedBinDir =
            programDir == QLatin1String("installed") ? appDir : QStringLiteral("/opt/velomir/bin");
        const QString expected = chosen == QLatin1String("explicit") ? explicitPath
                                 : chosen == QLatin1String("beside") ? appDir + QStringLiteral("velomir.ini")
                                                                     : QStringLiteral("/cfg/velomir.ini");
        QCOMPARE(chooseIniFilePath(explicitPath, appDir, QStringLiteral("/cfg"), installedBinDir), expected);
    }
};

QTEST_GUILESS_MAIN(tst_ProfilePaths)
#include "tst_ProfilePaths.moc"
