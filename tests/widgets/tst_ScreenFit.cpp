#include "DataTable.h"

#include "widgets/ScreenFit.h"

class tst_ScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        const auto row = addColumns<QRectF, QList<QRectF>, QRectF>({"window", "screens", "expected"});
        const QList<QRectF> one{{0, 0, 1280, 1024}};
        // A primary screen with a panel on top, and a second screen to its right.
        const QList<QRectF> two{{0, 30, 1280, 994}, {1280, 0, 1920, 1080}};
        row("fits: unchanged", {100, 100, 800, 600}, one, {100, 100, 800, 600});
        // The statistics window's default of 17685 x 7020 twips at 200 % on a 1280 x 1024 screen.
        row("1179 wide on a 640 wide screen", {0, 0, 1179, 468}, {{0, 0, 640, 512}}, {0, 0, 640, 468});
        row("larger both ways: the whole screen", {-50, -50, 3000, 2000}, one, {0, 0, 1280, 1024});
        row("partly off the right edge: moved in, size kept", {1000, 100, 800, 600}, one,
            {480, 100, 800, 600});
        row("under the panel: moved below it", {100, 0, 800, 600}, two, {100, 30, 800, 600});
        row("across both screens: unchanged", {1000, 100, 800, 600}, two, {1000, 100, 800, 600});
        row("mostly on the second, partly above it: onto the second", {1300, -200, 2000, 600}, two,
            {1280, 0, 1920, 600});
        row("off every screen: onto the primary", {9000, 9000, 800, 600}, two, {480, 424, 800, 600});
    }
    void fit()
    {
        auto [window, screens] = fetch<QRectF, QList<QRectF>>({"window", "screens"});
        QTEST(fittedToScreens(window, screens), "expected");
    }
};

QTEST_GUILESS_MAIN(tst_ScreenFit)
#include "tst_ScreenFit.moc"
