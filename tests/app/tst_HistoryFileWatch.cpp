#include "DataTable.h"
#include "MainWindowFixture.h"
#include "TestFiles.h"

#include "app/HistoryFileWatcher.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSaveFile>

using namespace std::chrono_literals;

namespace {
const QString ChangedText = QStringLiteral("Reloaded: the file changed on disk");
const QString BackText = QStringLiteral("Reloaded: the file can be read again");

// The sample history without release 1.0, with a new release 4.0 (lines 1 and 2, "omega tab") on
// top and a new fix "eta" on top of release 2.0: release 3.0 from line 3, release 2.0 from line 7.
QStringList newerHistory()
{
    QStringList lines = sampleHistory().first(8);
    lines.insert(6, QStringLiteral("02.02.03 Fixed: eta"));
    lines.insert(1, QStringLiteral("Release Total Commander 4.0"));
    lines.insert(2, QStringLiteral("04.04.04 Added: omega tab"));
    return lines;
}

// Starts the window with a settle time short enough for a test.
frmMain &startFollowing(MainWindowFixture &fixture, const QString &file)
{
    frmMain &w = fixture.start(file);
    w.findChild<HistoryFileWatcher *>()->setSettleTime(100ms);
    return w;
}

// In place, or as the file manager's own saving does: a new file renamed over the old one.
void rewrite(const QString &file, const QStringList &lines, bool renameOver)
{
    const QByteArray bytes = lines.join(QStringLiteral("\r\n")).toUtf8();
    QSaveFile saved(file);
    if (!renameOver)
        QVERIFY(writeFile(file, bytes));
    else
        QVERIFY(saved.open(QIODevice::WriteOnly) && saved.write(bytes) == bytes.size() && saved.commit());
}

// A history file of its own, followed with the given settle time.
struct FollowedFile
{
    explicit FollowedFile(std::chrono::milliseconds settle)
    {
        QVERIFY(writeFile(file, "01.01.01 Added: a\r\n"));
        watcher.setSettleTime(settle);
        watcher.follow(file);
    }
    QTemporaryDir dir;
    QString file = dir.filePath(QStringLiteral("History.txt"));
    HistoryFileWatcher watcher;
};

int currentLine(frmMain &w)
{
    return shownLines(w).value(changesList(w)->currentIndex().row(), -1);
}

void makeCurrentLine(frmMain &w, int line)
{
    changesList(w)->setCurrentIndex(changesList(w)->model()->index(shownLines(w).indexOf(line), 0));
}
} // namespace

class tst_HistoryFileWatch : public QObject
{
    Q_OBJECT

private slots:
    void reloadKeepsWhatIsShown_data()
    {
        // view: a View command run after the release is chosen; shown: 0 "All", else the release's position
        const auto row = addColumns<bool, int, QString, int, int, QList<int>, int>(
            {"renameOver", "release", "view", "selectedLine", "shown", "lines", "current"});
        row("release by its label, line by its text", true, 2, "", 6, 3, {7, 8, 9, 10}, 9);
        row("All with additions kept", true, 0, "mnuViewAdditions", 2, 0, {2, 4, 9}, 4);
        row("reversed order kept", false, 1, "mnuViewReversedList", 4, 2, {6, 4, 3}, 6);
        row("release gone: the first one, line gone: the first change", false, 3, "", 10, 1, {1, 2}, 2);
    }
    void reloadKeepsWhatIsShown()
    {
        auto [renameOver, release, view, selectedLine] =
            fetch<bool, int, QString, int>({"renameOver", "release", "view", "selectedLine"});
        MainWindowFixture fixture;
        const QString file = fixture.writeHistory(sampleHistory());
        frmMain &w = startFollowing(fixture, file);
        clickVersion(w, release);
        if (!view.isEmpty())
            trigger(w, view);
        makeCurrentLine(w, selectedLine);
        const QByteArray settings = readFile(fixture.paths().IniFilePath);

        rewrite(file, newerHistory(), renameOver);
        QTRY_COMPARE(panelText(w, "StatusBar1_Panel2"), ChangedText);
        QTEST(ReleasesListPlaces{}.positionOf(w.changesView().releaseIndex), "shown");
        QTEST(shownLines(w), "lines");
        QTEST(currentLine(w), "current");
        QCOMPARE(action(w, "mnuViewAdditions")->isChecked(), view == "mnuViewAdditions");
        QCOMPARE(action(w, "mnuViewReversedList")->isChecked(), view == "mnuViewReversedList");
        QCOMPARE(w.historyFilePath(), file);
        QCOMPARE(MessageBox::shownTexts(), QStringList());
        QCOMPARE(readFile(fixture.paths().IniFilePath), settings);
        // The release come in above the one on top is new, even on a first start.
        QCOMPARE(versionsList(w)->topLevelItem(1)->text(0), QStringLiteral("New since last time (1)"));

        // Followed further, written in place: the watch has moved to the file now in place.
        rewrite(file, sampleHistory(), false);
        QTRY_COMPARE(versionsList(w)->topLevelItem(1)->text(0), QStringLiteral("Total Commander 3.0"));
    }

    void searchResultsSearchedAgain_data()
    {
        const auto row =
            addColumns<QStringList, QList<int>, int, QString>({"after", "lines", "current", "count"});
        row("new match listed under the filter, line kept", newerHistory(), {-1, 2, 4}, 4,
            "2 instance(s) found");
        row("no match left", {"Release Total Commander 1.0", "01.01.01 Added: x"}, {-1}, -1,
            "0 instance(s) found");
    }
    void searchResultsSearchedAgain()
    {
        MainWindowFixture fixture;
        const QString file = fixture.writeHistory(sampleHistory());
        frmMain &w = startFollowing(fixture, file);
        trigger(w, "mnuSearchFind");
        auto *dialog = child<QDialog>(w, "frmSearchFor");
        auto *findWhat = dialog->findChild<QComboBox *>(QStringLiteral("cboFindWhat"));
        QTest::keyClicks(findWhat, QStringLiteral("tab"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdFindAll")), Qt::LeftButton);
        trigger(w, "mnuViewAdditions");
        makeCurrentLine(w, 2);

        QFETCH(QStringList, after);
        rewrite(file, after, true);
        QTRY_COMPARE(panelText(w, "StatusBar1_Panel2"), ChangedText);
        QTEST(shownLines(w), "lines");
        QTEST(currentLine(w), "current");
        QTEST(panelText(w, "StatusBar1_Panel1"), "count");
        QVERIFY(action(w, "mnuViewAdditions")->isChecked());
        QCOMPARE(findWhat->currentText(), QStringLiteral("tab"));
        QCOMPARE(MessageBox::shownTexts(), QStringList());
    }

    void removedFileKeepsHistoryAndIsTakenUpAgain_data()
    {
        const auto row = addColumns<bool, QString>({"folder", "why"});
        row("removed", false, "Cannot reload: The file was removed. The history shown is as last read.");
        row("a folder in its place", true,
            "Cannot reload: A folder has taken its name. The history shown is as last read.");
    }
    void removedFileKeepsHistoryAndIsTakenUpAgain()
    {
        auto [folder, why] = fetch<bool, QString>({"folder", "why"});
        MainWindowFixture fixture;
        const QString file = fixture.writeHistory(sampleHistory());
        frmMain &w = startFollowing(fixture, file);
        clickVersion(w, 2);
        const QString caption = w.windowTitle();

        QVERIFY(QFile::remove(file));
        QVERIFY(!folder || QDir().mkdir(file));
        QTRY_COMPARE(panelText(w, "StatusBar1_Panel2"), why);
        QCOMPARE(versionsList(w)->topLevelItemCount(), 4);
        QCOMPARE(markedVersion(w), 2);
        QCOMPARE(shownLines(w), (QList<int>{5, 6, 7}));
        QCOMPARE(w.windowTitle(), caption);

        QVERIFY(!folder || QDir().rmdir(file));
        fixture.writeHistory(newerHistory());
        QTRY_COMPARE(panelText(w, "StatusBar1_Panel2"), BackText);
        QCOMPARE(markedVersion(w), 4); // below "New since last time", for the release come in above
        QCOMPARE(shownLines(w), (QList<int>{7, 8, 9, 10}));
        QCOMPARE(MessageBox::shownTexts(), QStringList());
    }

    // A history emptied and left so is shown empty, and nothing is counted in the status bar.
    void emptiedFileLeavesNoCounts()
    {
        MainWindowFixture fixture;
        const QString file = fixture.writeHistory(sampleHistory());
        frmMain &w = startFollowing(fixture, file);
        QVERIFY(!panelText(w, "StatusBar1_Panel1").isEmpty());
        QVERIFY(writeFile(file, ""));
        QTRY_COMPARE_WITH_TIMEOUT(panelText(w, "StatusBar1_Panel2"), ChangedText, 5000);
        QCOMPARE(changesList(w)->model()->rowCount(), 0);
        QCOMPARE(panelText(w, "StatusBar1_Panel1"), QString());
    }

    // A file written without pause is read while it is written; a burst within the longest wait
    // is read once, a settle time after its last write.
    void busyFileRead_data()
    {
        const auto row = addColumns<int, int, int, bool>({"settle", "every", "writes", "whileWritten"});
        row("written for longer than the longest wait", 100, 5, 400, true);
        row("a short burst", 300, 50, 5, false);
    }
    void busyFileRead()
    {
        auto [settle, every, writes, whileWritten] =
            fetch<int, int, int, bool>({"settle", "every", "writes", "whileWritten"});
        FollowedFile followed(std::chrono::milliseconds{settle});
        int written = 0;
        QElapsedTimer sinceWrite;
        QList<std::pair<int, qint64>> seen; // writes done and ms since the last, at each change
        connect(&followed.watcher, &HistoryFileWatcher::changed, this, [&] {
            seen.append({written, sinceWrite.elapsed()});
        });
        QTimer writer;
        connect(&writer, &QTimer::timeout, this, [&] {
            QFile out(followed.file);
            QVERIFY(out.open(QIODevice::Append) && out.write("01.01.01 Added: b\r\n") > 0);
            sinceWrite.start();
            if (++written == writes)
                writer.stop();
        });
        writer.start(every);
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 10000);
        QCOMPARE(seen.first().first < writes, whileWritten);
        QVERIFY(whileWritten || seen.first().second >= settle * 9 / 10);
    }

    // A file emptied or cut short is taken as being written: what is shown stays until it is
    // filled again, or until it has stayed so for the hold time.
    void cutFileHeld_data()
    {
        const auto row = addColumns<QByteArray, QByteArray>({"cut", "after"});
        row("emptied, then filled again", "", "01.01.01 Added: a\r\n02.02.02 Added: b\r\n");
        row("cut short and left", "01.01.01", "");
    }
    void cutFileHeld()
    {
        auto [cut, after] = fetch<QByteArray, QByteArray>({"cut", "after"});
        FollowedFile followed(200ms); // held for 800 ms
        QList<qint64> sizes;          // the file's size at each change
        connect(&followed.watcher, &HistoryFileWatcher::changed, this,
                [&] { sizes.append(QFileInfo(followed.file).size()); });

        QVERIFY(writeFile(followed.file, cut));
        // Nothing past the settle time, within the hold time.
        QVERIFY(!QTest::qWaitFor([&] { return !sizes.isEmpty(); }, 400));
        QVERIFY(after.isEmpty() || writeFile(followed.file, after));
        QTRY_COMPARE_WITH_TIMEOUT(sizes, QList<qint64>{after.isEmpty() ? cut.size() : after.size()}, 5000);
    }
};

QTEST_MAIN(tst_HistoryFileWatch)
#include "tst_HistoryFileWatch.moc"
