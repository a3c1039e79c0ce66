#include "DataTable.h"
#include "MemorySettingsStore.h"
#include "TestFiles.h"

#include "app/CommandLine.h"
#include "app/HeadlessReports.h"
#include "history/HistoryLoader.h"
#include "history/LineRules.h"
#include "mainwin/DisplaySettings.h"
#include "search/SearchResults.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
const QString Examples = QStringLiteral(VELOMIR_SOURCE_DIR "/examples/History.txt");

HistoryDocument example()
{
    HistoryDocument document;
    if (!LoadHistory(Examples, DetectionSettings::defaults(), document).ok)
        qFatal("cannot read %s", qPrintable(Examples));
    return document;
}

// The lines a report writes for the command line, made in this process with default settings and
// `remembered` as the release last seen.
QStringList report(const HistoryDocument &document, const QStringList &arguments,
                   const QString &remembered = {})
{
    MemorySettingsStore store;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const int status =
        runReport(parseCommandLine(arguments), document, LoadDisplaySettings(store), buffer, remembered);
    return status == 0 ? QString::fromUtf8(buffer.data()).split(u'\n') : QStringList{QString::number(status)};
}

// Fields first to last (-1: to the end) of every line a report writes, the closing "# ..." line kept whole.
QStringList fields(const QStringList &lines, int first, int last)
{
    QStringList found;
    for (const QString &line : lines)
        found << (line.startsWith(u'#') ? line : line.section(u'\t', first, last));
    return found;
}
} // namespace

class tst_HeadlessReports : public QObject
{
    Q_OBJECT

private slots:
    // Each place to search lists what Find All finds under the Find dialog's "Search in:" choice
    // of that name (0 everywhere, 1 additions, 2 fixes).
    void findListsWhatFindAllFinds_data()
    {
        const auto row = addColumns<QStringList, int, bool>({"options", "searchInChoice", "wholeWord"});
        row("everywhere by default", {}, 0, false);
        row("everywhere", {"--in", "everywhere"}, 0, false);
        row("additions", {"--in", "additions"}, 1, false);
        row("fixes as whole words", {"--in", "fixes", "--whole-word"}, 2, true);
    }
    void findListsWhatFindAllFinds()
    {
        auto [options, searchInChoice, wholeWord] =
            fetch<QStringList, int, bool>({"options", "searchInChoice", "wholeWord"});
        const HistoryDocument document = example();
        const QString text = QStringLiteral("toolbar");
        SearchResults results;
        results.findAll(document, text, searchInFromNumber(searchInChoice), wholeWord, false);
        QStringList expected;
        for (const LineIndex line : results.SearchResultLines())
            expected << QString::number(line.value() + 1);
        expected << QStringLiteral("# %1 instance(s) found").arg(expected.size()) << QString();
        QCOMPARE(fields(report(document, QStringList{"--find", text, Examples} + options), 0, 0), expected);
    }

    // Each --release and --filter lists the rows of the changes list the window builds for that view.
    void changesListWhatTheViewShows_data()
    {
        // named: the release given by its key, or -1
        const auto row = addColumns<QStringList, int, ChangesView>({"options", "named", "view"});
        using F = ViewFilter;
        const ReleaseIndex first(0), third(2);
        row("first release by default", {}, -1, {first, F::AllChanges, false});
        row("a release's additions", {"--filter", "additions"}, 2, {third, F::Additions, false});
        row("a release's fixes reversed", {"--filter", "fixes", "--reversed"}, 2, {third, F::Fixes, true});
        row("all of every kind", {"--release", "all", "--filter", "all"}, -1,
            {ChangesView::All, F::AllChanges, false});
        row("all fixes", {"--release", "all", "--filter", "fixes"}, -1, {ChangesView::All, F::Fixes, false});
        row("all additions reversed", {"--release", "all", "--filter", "additions", "--reversed"}, -1,
            {ChangesView::All, F::Additions, true});
        row("fixes since a release, reversed",
            {"--since", "total commander 11.00 final", "--filter", "fixes", "--reversed"}, -1,
            {ChangesView::All, F::Fixes, true, {}, third});
    }
    void changesListWhatTheViewShows()
    {
        auto [options, named, view] = fetch<QStringList, int, ChangesView>({"options", "named", "view"});
        const HistoryDocument document = example();
        if (named >= 0)
            options << QStringLiteral("--release") << document.releases[std::size_t(named)].key();
        const ChangesListContent content = BuildChangesList(document, view);
        QStringList expected;
        for (ListRow row(0); content.rows.contains(row); ++row)
            expected << GetChangeText(document.lines.text(content.rows.lineAt(row)));
        expected << "# " + changesStatusText(view.filter, content.AdditionCount, content.FixCount)
                 << QString();
        QCOMPARE(fields(report(document, QStringList{"--changes", Examples} + options), 2, -1), expected);
    }

    // --release new lists the releases above the one remembered as seen, as --since names it; with
    // nothing remembered, or a label the file no longer has, nothing but the counts.
    void newReleasesAboveTheRememberedOne()
    {
        const HistoryDocument document = example();
        const auto news = [&](const QString &remembered) {
            return report(document, {"--changes", Examples, "--release", "new", "--filter", "additions"},
                          remembered);
        };
        const QString label = document.releases[1].label;
        QCOMPARE(news(label),
                 report(document, {"--changes", Examples, "--since", label, "--filter", "additions"}));
        QCOMPARE(news(label).size(), 15 + 2); // the newest release's additions, and the counts
        for (const QString &nothing : {QString(), QStringLiteral("no such release")})
            QCOMPARE(news(nothing), (QStringList{"# 0 Additions", ""}));
    }

    void weekdaysOfAllCountEveryRelease()
    {
        const HistoryDocument document = example();
        const QStringList every = report(document, {"--weekdays", Examples});
        const QString key = document.releases[1].key();
        QVERIFY(report(document, {"--weekdays", Examples, "--release", key}) != every);
        QCOMPARE(report(document, {"--weekdays", Examples, "--release", "all", "--release", key}), every);
    }

    // A report's lines on standard output and nothing on standard error; a failure's one line on
    // standard error and nothing on standard output. Either way the settings are only read.
    void programWritesReportOrOneLineOfFailure_data()
    {
        // said: how the one line on stderr begins; every report names an unknown key alike
        const auto row =
            addColumns<QStringList, int, QByteArray, QString>({"arguments", "exitCode", "out", "said"});
        // The file is found whatever the case of its name.
        row("releases of the example",
            {"--releases", QString(Examples).replace("History.txt", "HISTORY.TXT")}, 0,
            readFile(QStringLiteral(VELOMIR_TEST_DATA "/history/examples-releases.txt")), "");
        const QString unknownKey = QStringLiteral("velomir: no release has the key k999999\n");
        row("unknown release of changes", {"--changes", Examples, "--release", "k999999"}, 2, "", unknownKey);
        row("unknown release of weekdays",
            {"--weekdays", Examples, "--release", "k3", "--release", "k999999"}, 2, "", unknownKey);
        row("unknown label of --since", {"--changes", Examples, "--since", "0.0"}, 2, "",
            "velomir: no release has the label 0.0\n");
        const QString missing = QStringLiteral(VELOMIR_TEST_DATA "/history/no such History.txt");
        row("missing file", QStringList{"--releases", missing}, 1, "", "velomir: cannot read " + missing);
    }
    void programWritesReportOrOneLineOfFailure()
    {
        auto [arguments, exitCode, said] =
            fetch<QStringList, int, QString>({"arguments", "exitCode", "said"});
        // The program itself, with a settings file of its own.
        QTemporaryDir dir;
        QProcess process;
        process.start(QStringLiteral(VELOMIR_EXE),
                      QStringList{"--ini", dir.filePath("velomir.ini")} + arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        QTEST(process.readAllStandardOutput(), "out");
        const QString message = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(message.count(u'\n'), said.isEmpty() ? 0 : 1);
        QVERIFY2(said.isEmpty() ? message.isEmpty() : message.startsWith(said) && message.endsWith(u'\n'),
                 qPrintable(message));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("velomir.ini"))));
    }
};

QTEST_GUILESS_MAIN(tst_HeadlessReports)
#include "tst_HeadlessReports.moc"
