#include "DataTable.h"

#include "widgets/WindowPlacement.h"

#include <QHash>

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
};

QTEST_GUILESS_MAIN(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"
