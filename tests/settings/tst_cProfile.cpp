#include "DataTable.h"
#include "TestFiles.h"

#include "settings/Globals.h"
#include "settings/ProfilePaths.h"
#include "settings/cProfile.h"

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

private:
    QTemporaryDir m_dir;
    ProgramPaths m_paths;
    QString m_ini;
};

QTEST_GUILESS_MAIN(tst_cProfile)
#include "tst_cProfile.moc"
