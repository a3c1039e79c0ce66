#include "DataTable.h"
#include "MainWindowFixture.h"

#include "settings/ProfilePaths.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {
// Drags `data` onto the middle of the named pane and drops it there; whether the drag was taken.
bool dropOn(frmMain &w, const QString &pane, QMimeData &data)
{
    QWidget *on = child<QAbstractScrollArea>(w, pane.toLatin1().constData())->viewport();
    const QPoint at = on->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &drop);
    return enter.isAccepted();
}
} // namespace

class tst_MainWindowStart : public QObject
{
    Q_OBJECT

private slots:
    // The first release is marked after loading; a click marks a release and lists its lines, All
    // every line; a key that names no release changes nothing.
    void releasesMarkedByClickOrKey()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QStringList items;
        for (int i = 0; i < versionsList(w)->topLevelItemCount(); ++i)
            items << versionsList(w)->topLevelItem(i)->text(0);
        QCOMPARE(items,
                 (QStringList{"All", "Total Commander 3.0", "Total Commander 2.0", "Total Commander 1.0"}));
        QCOMPARE(shownLines(w), (QList<int>{1, 2, 4}));
        clickVersion(w, 0);
        QCOMPARE(shownLines(w), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

        QVERIFY(w.GoToVersion(QStringLiteral("k5")));
        for (const QString &key : {QStringLiteral("k3"), QStringLiteral("k"), QString(), QStringLiteral("8")})
            QVERIFY2(!w.GoToVersion(key), qPrintable(key));
        QCOMPARE(markedVersion(w), 2);
        QCOMPARE(shownLines(w), (QList<int>{5, 6, 7}));
    }

    // What was on top at the last close is remembered per file; the releases come in above it are new:
    // an item after "All" that lists them as "All" lists lines, a badge on each, their number in the
    // status bar. Seen and opened again, nothing is new.
    void newSinceLastTime()
    {
        MainWindowFixture fixture;
        const QString name = QStringLiteral("Hist=ory [1].txt"); // a name a settings key cannot hold as it is
        const QString file = fixture.writeHistory(sampleHistory(), name);
        fixture.start(file);
        fixture.close();
        QStringList newer = sampleHistory();
        newer.insert(1, QStringLiteral("Release Total Commander 4.0"));
        newer.insert(2, QStringLiteral("04.04.04 Added: omega"));
        fixture.writeHistory(newer, name);
        for (const bool seen : {false, true}) {
            frmMain &w = fixture.start(file);
            QTreeWidget *list = versionsList(w);
            QCOMPARE(list->topLevelItem(1)->text(0),
                     seen ? "Total Commander 5.0" : "New since last time (1)");
            QCOMPARE(panelText(w, "StatusBar1_New"), seen ? "" : "1 new release since last time");
            QCOMPARE(list->topLevelItem(2)->icon(0).isNull(), seen);
            QVERIFY(list->topLevelItem(3)->icon(0).isNull());
            if (!seen) {
                clickVersion(w, 1);
                QCOMPARE(shownLines(w), (QList<int>{1, 2}));
                QCOMPARE(panelText(w, "StatusBar1_Panel1"), "1 Additions, 0 Fixes");
                QCOMPARE(markedVersion(w), 1);
                // Read again with one more release on top: the item stays chosen and lists both.
                newer.insert(1, QStringLiteral("Release Total Commander 5.0"));
                newer.insert(2, QStringLiteral("05.05.05 Fixed: psi"));
                fixture.writeHistory(newer, name);
                QTRY_COMPARE(list->topLevelItem(1)->text(0), QStringLiteral("New since last time (2)"));
                QCOMPARE(markedVersion(w), 1);
                QCOMPARE(shownLines(w), (QList<int>{1, 2, 3, 4}));
            }
            fixture.close();
        }
    }

    // Settings that cannot be written are told in the status bar, and the window works on.
    void unwritableSettingsAreTold()
    {
        MainWindowFixture fixture;
        const QString history = fixture.writeHistory(sampleHistory());
        fixture.paths().IniFilePath = fixture.path("History.txt/velomir.ini");
        frmMain &w = fixture.start(history);
        QVERIFY(panelText(w, "StatusBar1_SettingsNotSaved").contains("cannot be made"));
        QCOMPARE(shownLines(w), (QList<int>{1, 2, 4}));
    }

    // A history chosen with File > Open, or one local file dropped on the changes list or the wrap
    // panel, replaces the one shown and is remembered. Anything else dropped is refused; a chosen file
    // that cannot be read is reported by name; either way nothing changes.
    void anotherFileOpens_data()
    {
        // by: "open" for File > Open, else the pane dropped on; names: files in the test folder, or
        // whole addresses; text: a file named as dropped text
        const auto row = addColumns<QString, QStringList, QString, bool>({"by", "names", "text", "opens"});
        row("File Open: another history", "open", {"Other.txt"}, "", true);
        row("File Open: missing file", "open", {"Gone.txt"}, "", false);
        row("one file on the changes list", "lvChangesList", {"Other.txt"}, "", true);
        row("one file on the wrap panel", "Text1", {"Other.txt"}, "", true);
        row("two files", "lvChangesList", {"Other.txt", "HISTORY.TXT"}, "", false);
        row("a folder", "lvChangesList", {"folder"}, "", false);
        row("a web address", "lvChangesList", {"https://example.org/History.txt"}, "", false);
        row("text naming a file", "Text1", {}, "Other.txt", false);
    }
    void anotherFileOpens()
    {
        auto [by, names, text, opens] =
            fetch<QString, QStringList, QString, bool>({"by", "names", "text", "opens"});
        MainWindowFixture fixture;
        // The file manager's folder, holding the history under the name the file manager gives it.
        const QString file = fixture.writeHistory(sampleHistory(), QStringLiteral("HISTORY.TXT"));
        const QString other =
            fixture.writeHistory({"Release Total Commander 7.0", "07.07.07 Added: x"}, "Other.txt");
        QVERIFY(QDir().mkdir(fixture.path("folder")));
        fixture.paths().FileManagerDir = FileDirectory(file);
        fixture.writeSetting(QStringLiteral("LastFile"), CollapsePath(file, fixture.paths()));
        frmMain &w = fixture.start(file);
        QList<QUrl> addresses;
        for (const QString &name : names)
            addresses << (name.contains(u':') ? QUrl(name) : QUrl::fromLocalFile(fixture.path(name)));
        if (by == "open") {
            cCommonDialog::scriptOpenAnswer({true, addresses.constFirst().toLocalFile()});
            trigger(w, "mnuFileOpen");
            QCOMPARE(cCommonDialog::openRequests().constLast().proposedName, QStringLiteral("HISTORY.TXT"));
        } else {
            QMimeData data;
            if (!addresses.isEmpty())
                data.setUrls(addresses);
            if (!text.isEmpty())
                data.setText(fixture.path(text));
            QCOMPARE(dropOn(w, by, data), opens);
        }

        const QString shown = opens ? other : file;
        QTRY_COMPARE(w.historyFilePath(), shown);
        QCOMPARE(w.windowTitle(), QStringLiteral("Velomir %1.%2%3 - %4")
                                      .arg(VELOMIR_VERSION_MAJOR)
                                      .arg(VELOMIR_VERSION_MINOR)
                                      .arg(VELOMIR_VERSION_PATCH)
                                      .arg(QDir::toNativeSeparators(shown)));
        QCOMPARE(fixture.readSetting(QStringLiteral("LastFile")), CollapsePath(shown, fixture.paths()));
        QCOMPARE(shownLines(w), opens ? QList<int>({0, 1}) : QList<int>({1, 2, 4}));
        QVERIFY(!wrapPanel(w)->toPlainText().contains(u'/'));
        const QStringList told = MessageBox::shownTexts();
        QCOMPARE(told.size(), by == "open" && !opens ? 1 : 0);
        QVERIFY(told.isEmpty() || told.constFirst().contains(fixture.path(names.constFirst())));
    }

    void fileStatisticsOpensStatisticsWindow()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        trigger(w, "mnuFileStatistics");
        QCOMPARE(shown, QStringLiteral("frmStatistics"));
    }
};

QTEST_MAIN(tst_MainWindowStart)
#include "tst_MainWindowStart.moc"
