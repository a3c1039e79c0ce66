#include "DataTable.h"
#include "MemorySettingsStore.h"
#include "TestFiles.h"

#include "settings/CaseBlindPath.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"
#include "settings/SeenReleases.h"
#include "settings/cProfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
const QString Marker = missingValueMarker();
} // namespace

class tst_cProfile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_ini = m_dir.filePath(QStringLiteral("velomir.ini"));
        QFile::remove(m_ini);
        QFile::remove(m_dir.filePath(QStringLiteral("alt.ini")));
        m_paths = {AddBackslash(m_dir.path()), m_ini, QStringLiteral("/opt/tc/"), 3};
        m_expandPaths = {QStringLiteral("/opt/velomir/"), {}, QStringLiteral("/opt/velomir/tc/"), 3};
        qputenv("VELOMIR_TEST_DIR", "/data");
        qunsetenv("VELOMIR_UNSET");
    }

    // A settings file that cannot be written is told once, with why; every write says it failed.
    void unwritableFileToldOnce()
    {
        QVERIFY(writeFile(m_dir.filePath("plain"), "not a folder"));
        const QString lost = m_dir.filePath("plain/velomir.ini");
        cProfile profile(m_paths, std::chrono::milliseconds(50));
        QStringList told;
        profile.setWriteFailureHandler([&told](const QString &file) { told << file; });
        QVERIFY(profile.WriteValue(SectionVelomir, "K", "1", m_dir.filePath("made/velomir.ini")));
        QVERIFY(!profile.WriteValue(SectionVelomir, "K", "1", lost));
        QVERIFY(!profile.WriteSection(SectionVelomir, "K=2", lost));
        QCOMPARE(told, QStringList{lost});
        QVERIFY(cProfile::notSavedMessage(lost).contains("does not exist and cannot be made"));
    }

    void markerTellsAbsentFromEmptyAndIsNeverWritten()
    {
        QVERIFY(writeFile(m_ini, "[Velomir]\nEmpty=\n"));
        cProfile profile(m_paths);
        QCOMPARE(profile.ReadValue(SectionVelomir, "Absent", Marker, m_ini), Marker);
        QCOMPARE(profile.ReadValue(SectionVelomir, "Empty", Marker, m_ini), QString());
        QVERIFY(profile.WriteValue(SectionVelomir, "Absent", Marker.toLower(), m_ini));
        QCOMPARE(profile.ReadValue(SectionVelomir, "Absent", Marker, m_ini), Marker);
        QVERIFY(profile.WriteValue(SectionVelomir, "Long", QString(5000, u'x'), m_ini));
        QCOMPARE(profile.ReadValue(SectionVelomir, "Long", Marker, m_ini).size(), 4095);
    }

    // An empty line column: only the value read back is compared. Other values read back as written
    // are the fuzz target's (fuzz_ini).
    void valueReadsBackAsWritten_data()
    {
        const auto add = addColumns<QByteArray, QString, QByteArray>({"file", "value", "line"});
        const auto row = [&](const char *name, const QString &value, const QByteArray &line = {}) {
            add(name, "[Velomir]\nK=old\n", value, line);
        };
        row("leading blank", " a", "K=\" a\"");
        row("trailing blank", "a ", "K=\"a \"");
        row("enclosing quotes", "\"a\"", "K=\"\"a\"\"");
        row("two leading quotes unchanged", "\"\"a", "K=\"\"a");
        row("plain", "a b", "K=a b");
        row("empty", "", "K=");
        row("trailing tab", "a\t", "K=\"a\t\"");
        row("leading no-break space", QStringLiteral("\u00a0a"));
        add("new key in new file", {}, "\tx ", {});
    }
    void valueReadsBackAsWritten()
    {
        auto [file, value, line] = fetch<QByteArray, QString, QByteArray>({"file", "value", "line"});
        if (!file.isEmpty())
            QVERIFY(writeFile(m_ini, file));
        cProfile profile(m_paths);
        QVERIFY(profile.WriteValue(SectionVelomir, "K", value, m_ini));
        if (!line.isEmpty())
            QVERIFY(readFile(m_ini).contains(line + '\n'));
        if (!value.startsWith(TwoQuotes))
            QCOMPARE(profile.ReadValue(SectionVelomir, "K", Marker, m_ini), value);
    }

    void resolvesSection_data()
    {
        // expected: "main", "alt" or a full path
        const auto row = addColumns<QByteArray, QString, QString>({"main", "section", "expected"});

        const QByteArray alt = "[Configuration]\nAlternateUserIni=alt.ini\n";
        const QByteArray velomir = "[Velomir]\nRedirectSection=";
        row("no redirection", "[Velomir]\n", "Velomir", "main");
        row("alternate file for ordinary section", alt, "Velomir", "alt");
        row("alternate file skips not-redirected section", alt, "layout", "main");
        row("RedirectSection 1 beats not-redirected list", alt + "[Layout]\nRedirectSection=1\n", "Layout",
            "alt");
        row("RedirectSection 0 keeps main file", alt + velomir + "0\n", "Velomir", "main");
        row("RedirectSection to file manager folder", velomir + "%Commander_Path%\\wincmd.ini\n", "Velomir",
            "/opt/tc/wincmd.ini");
        row("empty alternate counts as absent", "[Configuration]\nAlternateUserIni=\n", "Velomir", "main");
        row("empty RedirectSection counts as absent", alt + velomir + "\n", "Velomir", "alt");
        const QByteArray notRedirected = alt + "[Common]\nSectionsNotRedirectedByDefault=";
        row("only Layout not redirected keeps Layout", notRedirected + "[Layout]\n", "layout", "main");
        row("only Layout not redirected sends Packer", notRedirected + "[Layout]\n", "Packer", "alt");
        row("empty not-redirected list keeps nothing", notRedirected + "\"\"\n", "Configuration", "alt");
        row("not-redirected names need brackets", notRedirected + "Layout\n", "Layout", "alt");
    }
    void resolvesSection()
    {
        auto [main, section, expected] = fetch<QByteArray, QString, QString>({"main", "section", "expected"});

        QVERIFY(writeFile(m_ini, main));
        cProfile profile(m_paths);
        const QString file = expected == u"main"  ? m_ini
                             : expected == u"alt" ? m_dir.filePath(QStringLiteral("alt.ini"))
                                                  : expected;
        QCOMPARE(profile.ResolveProfileFile(section, "Key", m_ini), file);
    }

    void redirectionKeysStayInGivenFile()
    {
        QVERIFY(
            writeFile(m_ini, "[Configuration]\nAlternateUserIni=alt.ini\n[Velomir]\nUseIniInProgramDir=1\n"));
        cProfile profile(m_paths);
        QCOMPARE(profile.ReadValue(SectionVelomir, "useiniinprogramdir", Marker, m_ini), QStringLiteral("1"));
        QVERIFY(profile.WriteValue(SectionVelomir, "RedirectSection", "0", m_ini));
        QVERIFY(profile.WriteValue(SectionVelomir, "LastFile", "x", m_ini));
        QCOMPARE(readFile(m_ini), QByteArray("[Configuration]\nAlternateUserIni=alt.ini\n[Velomir]\n"
                                             "UseIniInProgramDir=1\nRedirectSection=0\nLastFile=x\n"));
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

        m_expandPaths.FileManagerDir = fileManagerDir;
        QTEST(ExpandPath(stored, m_expandPaths), "expanded");
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

        m_expandPaths.UnExpandPaths = unExpandPaths;
        QTEST(CollapsePath(path, m_expandPaths), "stored");
    }

    // The release last seen is kept under the history's stored path, its unsafe characters encoded,
    // and forgotten once the history has no release.
    void seenReleaseRememberedAndForgotten()
    {
        MemorySettingsStore store;
        const QString history = QStringLiteral("/opt/velomir/tc/Hist=ory [1].txt");
        rememberSeenRelease(store, m_expandPaths, history, QStringLiteral("3.0"));
        QCOMPARE(lastSeenReleaseLabel(store, m_expandPaths, history), QStringLiteral("3.0"));
        QCOMPARE(store.read(SectionLastSeenRelease, "pellavorin:\\tc/Hist%3Dory%20%5B1%5D.txt", "absent"),
                 QStringLiteral("3.0"));
        rememberSeenRelease(store, m_expandPaths, history, QString());
        QCOMPARE(store.read(SectionLastSeenRelease, seenReleaseKey(history, m_expandPaths), "absent"),
                 QStringLiteral("absent"));
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

private:
    QTemporaryDir m_dir;
    ProgramPaths m_paths;
    ProgramPaths m_expandPaths;
    QString m_ini;
};

QTEST_GUILESS_MAIN(tst_cProfile)
#include "tst_cProfile.moc"
