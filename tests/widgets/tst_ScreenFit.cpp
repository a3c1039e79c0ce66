#include "widgets/ScreenFit.h"

#include <QTest>

class tst_ScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        QTest::addColumn<QRectF>("window");
        QTest::addColumn<QList<QRectF>>("screens");
        QTest::addColumn<QRectF>("expected");

        const QList<QRectF> one{{0, 0, 1280, 1024}};
        // A primary screen with a panel on top, and a second screen to its right.
        const QList<QRectF> two{{0, 30, 1280, 994}, {1280, 0, 1920, 1080}};
        QTest::newRow("fits: unchanged") << QRectF(100, 100, 800, 600) << one << QRectF(100, 100, 800, 600);
        // The statistics window's default of 17685 x 7020 twips at 200 % on a 1280 x 1024 screen.
        QTest::newRow("1179 wide on a 640 wide screen")
            << QRectF(0, 0, 1179, 468) << QList<QRectF>{{0, 0, 640, 512}} << QRectF(0, 0, 640, 468);
        QTest::newRow("larger both ways: the whole screen")
            << QRectF(-50, -50, 3000, 2000) << one << QRectF(0, 0, 1280, 1024);
        QTest::newRow("partly off the right edge: moved in, size kept")
            << QRectF(1000, 100, 800, 600) << one << QRectF(480, 100, 800, 600);
        QTest::newRow("under the panel: moved below it")
            << QRectF(100, 0, 800, 600) << two << QRectF(100, 30, 800, 600);
        QTest::newRow("across both screens: unchanged")
            << QRectF(1000, 100, 800, 600) << two << QRectF(1000, 100, 800, 600);
        QTest::newRow("mostly on the second, partly above it: onto the second")
            << QRectF(1300, -200, 2000, 600) << two << QRectF(1280, 0, 1920, 600);
        QTest::newRow("off every screen: onto the primary")
            << QRectF(9000, 9000, 800, 600) << two << QRectF(480, 424, 800, 600);
    }
    void fit()
    {
        QFETCH(QRectF, window);
        QFETCH(QList<QRectF>, screens);
        QTEST(fittedToScreens(window, screens), "expected");
    }
};

QTEST_GUILESS_MAIN(tst_ScreenFit)
#include "tst_ScreenFit.moc"
