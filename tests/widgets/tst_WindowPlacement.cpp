#include "DataTable.h"

#include "widgets/ScreenFit.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/WindowPlacement.h"

#include <QHash>
#include <QScreen>
#include <QWidget>

class tst_WindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void load_data()
    {
        // position: "<none>" when the key is absent
        const auto row = addColumns<QString, QString, WindowPlacement>({"position", "maximized", "expected"});
        row("nothing stored", "<none>", "<none>", {});
        row("normal placement", "10,20,300,400", "0", {10, 20, 300, 400, false});
        row("fewer fields keep the rest", "10,20", "1", {10, 20, 4710, 11500, true});
        row("field not a number keeps its value", "10,x,300,400", "0", {10, 240, 300, 400, false});
        row("fractions and blanks", " 10.5, 20 ,300,400", "0", {10.5, 20, 300, 400, false});
    }
    void load()
    {
        auto [position, maximized] = fetch<QString, QString>({"position", "maximized"});
        const QHash<QString, QString> stored{{MainWindowPositionKey, position},
                                             {MainWindowMaximizedKey, maximized}};
        const auto read = [&](const QString &key, const QString &defaultValue) {
            return stored[key] == QLatin1String("<none>") ? defaultValue : stored[key];
        };
        QTEST(WindowPlacement::LoadWindowPlacement(read), "expected");
    }

    // A maximised window writes only the flag: the main window's placement test checks that.
    void normalPlacementWritesWholeTwips()
    {
        QStringList writes;
        WindowPlacement{1980.9, 240, 4710.2, 11500, false}.SaveWindowPlacement(
            [&](const QString &key, const QString &value) { writes << key + '=' + value; });
        QCOMPARE(writes, (QStringList{"MainWindowPosition=1980,240,4710,11500", "MainWindowMaxmized=0"}));
    }

    void record_data()
    {
        const auto row = addColumns<WindowShowState, WindowPlacement>({"state", "expected"});
        row("normal takes the geometry", WindowShowState::Normal, {20, 10, 40, 30, false});
        row("minimised keeps last normal", WindowShowState::Minimized, {1, 2, 3, 4, false});
        row("maximised keeps last normal", WindowShowState::Maximized, {1, 2, 3, 4, true});
    }
    void record()
    {
        QFETCH(WindowShowState, state);
        const WindowPlacement last{1, 2, 3, 4, false};
        QTEST(last.RecordWindowPlacement(state, QRectF(10.7, 20.2, 30.9, 40)), "expected");
    }

    void keptOnScreen_data()
    {
        const auto row = addColumns<WindowPlacement, WindowPlacement>({"placement", "expected"});
        const WindowPlacement second{100, 30000, 4000, 4000, false}, partly{-1000, -1000, 2000, 2000, true};
        row("on the primary screen", {1980, 240, 4710, 11500, false}, {1980, 240, 4710, 11500, false});
        row("on the second screen", second, second);
        row("partly visible", partly, partly);
        row("off every screen moves onto the primary", {90000, 90000, 4000, 6000, false},
            {6100, 11400, 4000, 6000, false});
        row("larger than the primary goes to its corner", {-90000, 0, 20000, 40000, false},
            {0, 0, 20000, 40000, false});
    }
    void keptOnScreen()
    {
        QFETCH(WindowPlacement, placement);
        // 1920x1080 and, to its right, 1280x1024 pixels at 15 twips per pixel.
        const QList<QRectF> screens{QRectF(0, 0, 28800, 16200), QRectF(28800, 0, 19200, 15360)};
        QTEST(placement.keptOnScreen(screens), "expected");
    }

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

    // Offscreen, the one screen offers 800 x 800 pixels.
    void windowEndsOnScreen_data()
    {
        // stored: pixels, empty for a window centred on the screen by itself; window: as placed or
        // centred; size: the size it keeps, empty when shrunk to the available area; kept: left where it was
        const auto row = addColumns<QRect, QRect, QSize, bool>({"stored", "window", "size", "kept"});
        row("fits: left where it was stored", {100, 80, 300, 200}, {}, {300, 200}, true);
        row("off every screen: moved, its size kept", {6000, 6000, 300, 200}, {}, {300, 200}, false);
        row("stored larger than the screen: moved and shrunk", {0, 0, 1179, 900}, {}, {}, false);
        row("centred dialog larger than the screen: moved and shrunk", {}, {-200, -100, 1200, 900}, {},
            false);
    }
    void windowEndsOnScreen()
    {
        auto [stored, window, size] = fetch<QRect, QRect, QSize>({"stored", "window", "size"});
        QWidget w;
        if (!stored.isEmpty()) {
            WindowPlacement placement{double(stored.top() * 15), double(stored.left() * 15),
                                      double(stored.height() * 15), double(stored.width() * 15), false};
            (void)ScreenPlacement::place(&w, placement);
        } else {
            w.setGeometry(window);
            ScreenPlacement::keepOnScreen(&w);
        }
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect available = w.screen()->availableGeometry();
        // The title bar and the borders too.
        QVERIFY2(available.contains(w.frameGeometry()), qPrintable(QDebug::toString(w.frameGeometry())));
        if (size.isValid())
            QCOMPARE(w.size(), size);
        else
            QVERIFY(w.width() < available.width() && w.height() < available.height());
        QTEST(w.geometry() == stored, "kept");
    }
};

QTEST_MAIN(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"
