#include "MainWindowFixture.h"

#include "history/ChangesListModel.h"
#include "version.h"

#include <QAction>
#include <QDir>
#include <QTableView>
#include <QTreeWidget>

namespace {
// Line 5 is dated but no change: bold in the "All" view. Lines 1 and 4 are empty.
const QStringList SampleHistory{"Velomir sample",
                                "",
                                "Release Total Commander 2.0",
                                "02.02.02 Added: b",
                                "",
                                "03.03.03 Note: x",
                                "02.02.02 Fixed: c",
                                "Release Total Commander 1.0",
                                "01.01.01 Fixed: a"};

QList<int> boldItems(const QTreeWidget *list)
{
    QList<int> bold;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->font(0).bold())
            bold << i;
    }
    return bold;
}

QList<int> shownLines(const ChangesListModel *model)
{
    QList<int> lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->lineOfRow(row);
    return lines;
}

QList<int> boldRows(const ChangesListModel *model)
{
    QList<int> rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->data(model->index(row, model->columnCount() - 1), Qt::FontRole).value<QFont>().bold())
            rows << row;
    }
    return rows;
}

// Clicks the item at `position` of the releases list as the user would.
void clickItem(QTreeWidget *list, int position)
{
    const QRect rect = list->visualItemRect(list->topLevelItem(position));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}
} // namespace

class tst_MainWindowStart : public QObject
{
    Q_OBJECT

private slots:
    void firstReleaseIsCurrentAfterLoading();
    void captionNamesVersionAndFile();
    void allListsEveryLineFromTheFirst();
    void releaseAfterAllTakesBoldFromAll();
    void unknownVersionKeyChangesNothing();
    void startFileChoice_data();
    void startFileChoice();
    void unreadableFileKeepsWhatIsShown();
};

void tst_MainWindowStart::firstReleaseIsCurrentAfterLoading()
{
    MainWindowFixture fixture;
    frmMain &window = fixture.start(fixture.writeHistory(SampleHistory));
    auto *versions = fixture.child<QTreeWidget>(QStringLiteral("lvVersionsList"));
    QCOMPARE(versions->topLevelItemCount(), 3);
    QCOMPARE(versions->topLevelItem(0)->text(0), QStringLiteral("All"));
    QCOMPARE(versions->topLevelItem(1)->text(0), QStringLiteral("Total Commander 2.0"));
    QCOMPARE(versions->topLevelItem(2)->text(0), QStringLiteral("Total Commander 1.0"));
    QCOMPARE(boldItems(versions), QList<int>{1});
    QCOMPARE(versions->currentItem(), versions->topLevelItem(1));
    QCOMPARE(versions->selectedItems(), QList<QTreeWidgetItem *>{versions->topLevelItem(1)});
    QCOMPARE(window.allSelected(), false);
    auto *model =
        qobject_cast<ChangesListModel *>(fixture.child<QTableView>(QStringLiteral("lvChangesList"))->model());
    QCOMPARE(shownLines(model), (QList<int>{2, 3, 5, 6}));
}

void tst_MainWindowStart::captionNamesVersionAndFile()
{
    MainWindowFixture fixture;
    const QString file = fixture.writeHistory(SampleHistory);
    frmMain &window = fixture.start(file);
    const QString expected = QStringLiteral("Velomir %1.%2%3 - %4")
                                 .arg(VELOMIR_VERSION_MAJOR)
                                 .arg(VELOMIR_VERSION_MINOR)
                                 .arg(VELOMIR_VERSION_PATCH)
                                 .arg(QDir::toNativeSeparators(file));
    QCOMPARE(window.windowTitle(), expected);
}

void tst_MainWindowStart::allListsEveryLineFromTheFirst()
{
    MainWindowFixture fixture;
    frmMain &window = fixture.start(fixture.writeHistory(SampleHistory));
    auto *versions = fixture.child<QTreeWidget>(QStringLiteral("lvVersionsList"));
    clickItem(versions, 0);
    QCOMPARE(window.allSelected(), true);
    QCOMPARE(boldItems(versions), QList<int>{0});
    QCOMPARE(versions->currentItem(), versions->topLevelItem(0));
    auto *model =
        qobject_cast<ChangesListModel *>(fixture.child<QTableView>(QStringLiteral("lvChangesList"))->model());
    QCOMPARE(shownLines(model), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(boldRows(model), QList<int>{5});
}

void tst_MainWindowStart::releaseAfterAllTakesBoldFromAll()
{
    MainWindowFixture fixture;
    frmMain &window = fixture.start(fixture.writeHistory(SampleHistory));
    auto *versions = fixture.child<QTreeWidget>(QStringLiteral("lvVersionsList"));
    clickItem(versions, 0);
    clickItem(versions, 2);
    QCOMPARE(window.allSelected(), false);
    QCOMPARE(boldItems(versions), QList<int>{2});
    QCOMPARE(versions->selectedItems(), QList<QTreeWidgetItem *>{versions->topLevelItem(2)});
    auto *model =
        qobject_cast<ChangesListModel *>(fixture.child<QTableView>(QStringLiteral("lvChangesList"))->model());
    QCOMPARE(shownLines(model), (QList<int>{7, 8}));
}

void tst_MainWindowStart::unknownVersionKeyChangesNothing()
{
    MainWindowFixture fixture;
    frmMain &window = fixture.start(fixture.writeHistory(SampleHistory));
    auto *versions = fixture.child<QTreeWidget>(QStringLiteral("lvVersionsList"));
    auto *model =
        qobject_cast<ChangesListModel *>(fixture.child<QTableView>(QStringLiteral("lvChangesList"))->model());
    QVERIFY(window.GoToVersion(QStringLiteral("k7")));
    for (const QString &key : {QStringLiteral("k3"), QStringLiteral("k"), QString(), QStringLiteral("7")})
        QVERIFY2(!window.GoToVersion(key), qPrintable(key));
    QCOMPARE(boldItems(versions), QList<int>{2});
    QCOMPARE(versions->currentItem(), versions->topLevelItem(2));
    QCOMPARE(shownLines(model), (QList<int>{7, 8}));
}

void tst_MainWindowStart::startFileChoice_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("lastFile");
    QTest::addColumn<QString>("opened");

    QTest::newRow("command-line file opened before LastFile") << "named.txt"
                                                              << "last.txt"
                                                              << "named.txt";
    QTest::newRow("missing command-line file falls back to LastFile") << "gone.txt"
                                                                      << "last.txt"
                                                                      << "last.txt";
    QTest::newRow("no command line and no file manager: LastFile") << ""
                                                                   << "last.txt"
                                                                   << "last.txt";
}

void tst_MainWindowStart::startFileChoice()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, lastFile);
    QFETCH(QString, opened);
    MainWindowFixture fixture;
    fixture.writeHistory(SampleHistory, QStringLiteral("named.txt"));
    fixture.writeHistory(SampleHistory, QStringLiteral("last.txt"));
    fixture.writeSetting(QStringLiteral("LastFile"), fixture.path(lastFile));
    frmMain &window = fixture.start(commandLine.isEmpty() ? QString() : fixture.path(commandLine));
    QCOMPARE(window.historyFilePath(), fixture.path(opened));
    QCOMPARE(cCommonDialog::openRequests().size(), 0);
}

void tst_MainWindowStart::unreadableFileKeepsWhatIsShown()
{
    MainWindowFixture fixture;
    const QString file = fixture.writeHistory(SampleHistory);
    fixture.writeSetting(QStringLiteral("LastFile"), file);
    frmMain &window = fixture.start(file);
    const QString caption = window.windowTitle();
    // A folder exists but cannot be read as a file, whoever runs the test.
    const QString folder = fixture.path(QStringLiteral("folder.txt"));
    QVERIFY(QDir().mkpath(folder));
    cCommonDialog::scriptOpenAnswer({true, folder});
    fixture.child<QAction>(QStringLiteral("mnuFileOpen"))->trigger();

    QCOMPARE(MessageBox::shownTexts().size(), 1);
    QVERIFY2(MessageBox::shownTexts().constFirst().contains(folder),
             qPrintable(MessageBox::shownTexts().join('|')));
    QCOMPARE(window.windowTitle(), caption);
    QCOMPARE(window.historyFilePath(), file);
    QCOMPARE(fixture.child<QTreeWidget>(QStringLiteral("lvVersionsList"))->topLevelItemCount(), 3);
    auto *model =
        qobject_cast<ChangesListModel *>(fixture.child<QTableView>(QStringLiteral("lvChangesList"))->model());
    QCOMPARE(shownLines(model), (QList<int>{2, 3, 5, 6}));
    QCOMPARE(fixture.readSetting(QStringLiteral("LastFile")), file);
}

QTEST_MAIN(tst_MainWindowStart)
#include "tst_MainWindowStart.moc"
