#include "app/MessageBox.h"
#include "settings/Globals.h"
#include "settings/cProfile.h"
#include "stats/StatisticsHost.h"
#include "stats/StatisticsWindowSettings.h"
#include "stats/frmStatistics.h"

#include "StatsHistory.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct FakeHost : StatisticsHost
{
    HistoryDocument document = twoReleases();
    QStringList keysShown;

    const HistoryDocument &statisticsDocument() const override { return document; }
    QStringList versionDetectList() const override { return DefaultVersionDetect; }
    QString dayFormat() const override { return QStringLiteral("dddd"); }
    QString dateFormat() const override { return QStringLiteral("dd/MM/yyyy"); }
    QFont listFont() const override { return QFont(); }
    bool GoToVersion(const QString &key) override
    {
        keysShown << key;
        return true;
    }
};

QStringList column(const QTableView *list, int c)
{
    QStringList texts;
    for (int r = 0; r < list->model()->rowCount(); ++r)
        texts << list->model()->index(r, c).data().toString();
    return texts;
}

} // namespace

class tst_frmStatistics : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstReleaseIsSummarisedOnOpening();
    void keyboardSelectionReachesSummary();
    void headerClickTurnsOrderRound();
    void copy_data();
    void copy();
    void copyWithoutFocusedListBeeps();
    void reopeningRestoresTheLook();
    void doubleClickAndSpaceJumpToRelease();

private:
    std::unique_ptr<frmStatistics> open();
    QString stored(const QString &key);

    QTemporaryDir m_dir;
    FakeHost m_host;
    std::unique_ptr<cProfile> m_profile;
    std::unique_ptr<frmStatistics> m_window;
    QTableView *m_listView1 = nullptr;
    QTableView *m_listView2 = nullptr;
    std::unique_ptr<QAbstractItemModelTester> m_tester1;
    std::unique_ptr<QAbstractItemModelTester> m_tester2;
};

void tst_frmStatistics::init()
{
    globals().IniFilePath = m_dir.filePath(QStringLiteral("velomir.ini"));
    QFile::remove(globals().IniFilePath);
    globals().TwipsPerPixelX = 15;
    globals().TwipsPerPixelY = 15;
    m_host = FakeHost();
    m_profile = std::make_unique<cProfile>();
    MessageBox::scriptAnswers(MessageBox::Answer::Ok);
}

void tst_frmStatistics::cleanup()
{
    m_tester1.reset();
    m_tester2.reset();
    m_window.reset();
    MessageBox::stopScripting();
}

std::unique_ptr<frmStatistics> tst_frmStatistics::open()
{
    m_tester1.reset();
    m_tester2.reset();
    auto window = std::make_unique<frmStatistics>(m_host, *m_profile);
    m_listView1 = window->findChild<QTableView *>(QStringLiteral("ListView1"));
    m_listView2 = window->findChild<QTableView *>(QStringLiteral("ListView2"));
    m_tester1 = std::make_unique<QAbstractItemModelTester>(
        m_listView1->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_tester2 = std::make_unique<QAbstractItemModelTester>(
        m_listView2->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    window->show();
    return window;
}

QString tst_frmStatistics::stored(const QString &key)
{
    return m_profile->ReadValue(SectionVelomir, key, QStringLiteral("(none)"), globals().IniFilePath);
}

void tst_frmStatistics::firstReleaseIsSummarisedOnOpening()
{
    m_window = open();
    // Default sorts: releases by date descending, so the dated release comes first.
    QCOMPARE(column(m_listView2, 1), QStringList({"06/05/2011", ""}));
    QCOMPARE(column(m_listView2, 3), QStringList({"0", "2"}));
    QCOMPARE(m_listView1->model()->headerData(0, Qt::Horizontal).toString(), QString());
    const QStringList summary = column(m_listView1, 0);
    QCOMPARE(summary.mid(7), QStringList({"--------", "Total"}));
    QCOMPARE(column(m_listView1, 3).last(), QStringLiteral("1"));
}

void tst_frmStatistics::keyboardSelectionReachesSummary()
{
    m_window = open();
    m_listView2->setFocus();
    // Moving the single selection to the other release leaves the count of selected rows alone.
    QTest::keyClick(m_listView2, Qt::Key_Down);
    QTRY_COMPARE(column(m_listView1, 1).last(), QStringLiteral("2"));
    QCOMPARE(column(m_listView1, 3).last(), QStringLiteral("0"));
    QTest::keyClick(m_listView2, Qt::Key_Up, Qt::ShiftModifier);
    QTRY_COMPARE(column(m_listView1, 3).last(), QStringLiteral("1"));
    QCOMPARE(column(m_listView1, 2).last(), QStringLiteral("2"));
}

void tst_frmStatistics::headerClickTurnsOrderRound()
{
    m_window = open();
    QHeaderView *header = m_listView2->horizontalHeader();
    const QPoint versionSection(header->sectionViewportPosition(2) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, versionSection);
    QCOMPARE(header->sortIndicatorSection(), 2);
    QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(column(m_listView2, 2),
             QStringList({"06.05.11 Release Total Commander 7.0", "Release Total Commander 8.0"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, versionSection);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(column(m_listView2, 2).first(), QStringLiteral("Release Total Commander 8.0"));
}

void tst_frmStatistics::copy_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("expected");
    const QString rule40(40, u'=');
    const QString rule70(70, u'=');
    QTest::newRow("summary with nothing selected starts with a tab")
        << "ListView1" << false << "\tAdditon\tFix\tRelease\r\n" + rule40 + "\r\n";
    QTest::newRow("release list with every row")
        << "ListView2" << true
        << "Day\tDate\tVersion\tAdditon\tFix\r\n" + rule70 +
               "\r\nFriday\t06/05/2011\t06.05.11 Release Total Commander 7.0\t0\t1\r\n"
               "\t\tRelease Total Commander 8.0\t2\t1\r\n";
}

void tst_frmStatistics::copy()
{
    QFETCH(QString, list);
    QFETCH(bool, selectAll);
    QFETCH(QString, expected);
    m_window = open();
    auto *view = m_window->findChild<QTableView *>(list);
    view->setFocus();
    view->clearSelection();
    if (selectAll)
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QCOMPARE(MessageBox::beepCount(), 0);
}

void tst_frmStatistics::copyWithoutFocusedListBeeps()
{
    m_window = open();
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    auto *close = m_window->findChild<QPushButton *>(QStringLiteral("cmdClose"));
    close->setFocus();
    const int beeps = MessageBox::beepCount();
    m_window->findChild<QAction *>(QStringLiteral("mnuContext1Copy"))->trigger();
    m_window->findChild<QAction *>(QStringLiteral("mnuContext1SelectAll"))->trigger();
    QCOMPARE(MessageBox::beepCount(), beeps + 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
}

void tst_frmStatistics::reopeningRestoresTheLook()
{
    const QList<std::pair<QString, QString>> look{{StatisticsWindowPositionKey, "300,450,6000,12000"},
                                                  {StatisticsHeadersSizeKey, "900,1200,1350,1500"},
                                                  {StatisticsHeadersSize2Key, "1500,1650,3000,750,900"},
                                                  {StatisticsSortedColumnKey, "4"},
                                                  {StatisticsSortOrderKey, "0"},
                                                  {StatisticsSortedColumn2Key, "3"},
                                                  {StatisticsSortOrder2Key, "1"},
                                                  {StatisticsSplitPositionKey, "6000"}};
    for (const auto &[key, value] : look)
        QVERIFY(m_profile->WriteValue(SectionVelomir, key, value, globals().IniFilePath));

    m_window = open();
    QCOMPARE(m_window->size(), QSize(800, 400));
    QCOMPARE(m_listView1->columnWidth(0), 60);
    QCOMPARE(m_listView2->columnWidth(4), 60);
    QCOMPARE(m_listView1->horizontalHeader()->sortIndicatorSection(), 3);
    QCOMPARE(m_listView1->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(m_listView2->horizontalHeader()->sortIndicatorSection(), 2);
    QCOMPARE(m_listView2->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(m_listView2->x(), 0);
    QCOMPARE(m_listView2->width(), 400);
    m_window->findChild<QPushButton *>(QStringLiteral("cmdClose"))->click();

    for (const auto &[key, value] : look)
        QCOMPARE(stored(key), value);
}

void tst_frmStatistics::doubleClickAndSpaceJumpToRelease()
{
    m_window = open();
    const QModelIndex second = m_listView2->model()->index(1, 0);
    const QPoint at = m_listView2->visualRect(second).center();
    QTest::mouseClick(m_listView2->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(m_listView2->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_host.keysShown, QStringList{"k0"});
    m_listView2->setFocus();
    QTest::keyClick(m_listView2, Qt::Key_Up);
    QTest::keyClick(m_listView2, Qt::Key_Space);
    QCOMPARE(m_host.keysShown, QStringList({"k0", "k5"}));
}

QTEST_MAIN(tst_frmStatistics)
#include "tst_frmStatistics.moc"
