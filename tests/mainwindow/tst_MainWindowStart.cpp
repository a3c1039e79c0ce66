#include "MainWindowFixture.h"

#include <QTreeView>
#include <QTreeWidget>

class tst_MainWindowStart : public QObject
{
    Q_OBJECT

private slots:
    void listsReleasesAndSelectsTheFirst();
};

void tst_MainWindowStart::listsReleasesAndSelectsTheFirst()
{
    MainWindowFixture fixture;
    const QString file = fixture.writeHistory({"Release Total Commander 2.0", "02.02.02 Added: b",
                                               "Release Total Commander 1.0", "01.01.01 Fixed: a"});
    frmMain &window = fixture.start(file);
    auto *versions = window.findChild<QTreeWidget *>(QStringLiteral("lvVersionsList"));
    QVERIFY(versions);
    QCOMPARE(versions->topLevelItemCount(), 3);
    QCOMPARE(versions->topLevelItem(0)->text(0), QStringLiteral("All"));
    QCOMPARE(versions->topLevelItem(1)->text(0), QStringLiteral("Total Commander 2.0"));
    QVERIFY(versions->topLevelItem(1)->font(0).bold());
    QVERIFY(!versions->topLevelItem(0)->font(0).bold());
}

QTEST_MAIN(tst_MainWindowStart)
#include "tst_MainWindowStart.moc"
