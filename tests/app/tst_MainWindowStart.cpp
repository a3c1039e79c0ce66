#include "DataTable.h"
#include "MainWindowFixture.h"

#include "settings/ProfilePaths.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

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

    // Settings that cannot be written are told in the status bar, and the window works on.
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

    void unwritableSettingsAreTold()
    {
        MainWindowFixture fixture;
        const QString history = fixture.writeHistory(sampleHistory());
        fixture.paths().IniFilePath = fixture.path("History.txt/velomir.ini");
        frmMain &w = fixture.start(history);
        QVERIFY(panelText(w, "StatusBar1_SettingsNotSaved").contains("cannot be made"));
        QCOMPARE(shownLines(w), (QList<int>{1, 2, 4}));
    }

    // A history that can be read replaces the one shown and is remembered; one that cannot is
    // reported by name and changes nothing.
    void fileOpen_data()
    {
        const auto row = addColumns<QString, bool>({"name", "readable"});
        row("another history", "Other.txt", true);
        row("missing file", "Gone.txt", false);
    }
    void fileOpen()
    {
        auto [name, readable] = fetch<QString, bool>({"name", "readable"});
        MainWindowFixture fixture;
        // The file manager's folder, holding the history under the name the file manager gives it.
        const QString file = fixture.writeHistory(sampleHistory(), QStringLiteral("HISTORY.TXT"));
        fixture.paths().FileManagerDir = FileDirectory(file);
        fixture.writeSetting(QStringLiteral("LastFile"), CollapsePath(file, fixture.paths()));
        frmMain &w = fixture.start(file);
        const QString chosen = fixture.path(name);
        if (readable)
            fixture.writeHistory({"Release Total Commander 7.0", "07.07.07 Added: x"}, name);
        cCommonDialog::scriptOpenAnswer({true, chosen});
        trigger(w, "mnuFileOpen");
        QCOMPARE(cCommonDialog::openRequests().constLast().proposedName, QStringLiteral("HISTORY.TXT"));

        const QString shown = readable ? chosen : file;
        QCOMPARE(w.historyFilePath(), shown);
        QCOMPARE(w.windowTitle(), QStringLiteral("Velomir %1.%2%3 - %4")
                                      .arg(VELOMIR_VERSION_MAJOR)
                                      .arg(VELOMIR_VERSION_MINOR)
                                      .arg(VELOMIR_VERSION_PATCH)
                                      .arg(QDir::toNativeSeparators(shown)));
        QCOMPARE(fixture.readSetting(QStringLiteral("LastFile")), CollapsePath(shown, fixture.paths()));
        QCOMPARE(shownLines(w), readable ? QList<int>({0, 1}) : QList<int>({1, 2, 4}));
        QCOMPARE(MessageBox::shownTexts().size(), readable ? 0 : 1);
        QVERIFY(readable || MessageBox::shownTexts().constFirst().contains(chosen));
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
