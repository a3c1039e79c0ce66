#include "DataTable.h"

#include "settings/Globals.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/Twips.h"

#include <QScreen>
#include <QWidget>

class tst_ScreenPlacement : public QObject
{
    Q_OBJECT

private slots:

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

QTEST_MAIN(tst_ScreenPlacement)
#include "tst_ScreenPlacement.moc"
