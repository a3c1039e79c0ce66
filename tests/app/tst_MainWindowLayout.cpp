#include "AccessKeys.h"
#include "DataTable.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
void sendMouse(QWidget *bar, QEvent::Type type, const QPoint &inContainer, Qt::MouseButtons buttons)
{
    const QPointF local = inContainer - bar->pos();
    QMouseEvent event(type, local, bar->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
}

// Grabs the bar one pixel inside its top left corner and moves the mouse one pixel at a time by
// `distance` pixels (positive: right or down) before letting go.
void dragBar(QWidget *bar, bool sideBySide, int distance)
{
    const QPoint grab = bar->pos() + QPoint(1, 1);
    const auto at = [&](int moved) { return grab + (sideBySide ? QPoint(moved, 0) : QPoint(0, moved)); };
    sendMouse(bar, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    const int step = distance < 0 ? -1 : 1;
    for (int moved = step; moved != distance + step; moved += step)
        sendMouse(bar, QEvent::MouseMove, at(moved), Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, at(distance), Qt::NoButton);
}
} // namespace

class tst_MainWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    // Tab and Shift+Tab go from pane to pane, never cell to cell; the menus' letters are distinct.
    void keyboardReachesEveryPane()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QCOMPARE(accessKeyClashes(&w), QStringList());
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        versionsList(w)->setFocus();
        const QList<QWidget *> panes{versionsList(w), changesList(w), wrapPanel(w)};
        for (qsizetype i = 1; i < panes.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), panes[i]);
        }
        for (qsizetype i = panes.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), panes[i]);
        }
    }

    // A large list font makes rows tall enough for it, and the Day and Date columns wide enough for
    // a whole day name and date.
    void rowsAndDateColumnsFitLargeFont()
    {
        MainWindowFixture fixture;
        fixture.writeSettings({"FontSize=20", "DateInSeparateColumns=1", "DayFormat=dddd"});
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QTableView *list = changesList(w);
        const QFontMetrics metrics(list->font());
        QCOMPARE_GE(list->rowHeight(0), metrics.height());
        QCOMPARE_GE(list->columnWidth(0), metrics.horizontalAdvance(QLocale::system().dayName(3)) + 16);
        QCOMPARE_GE(list->columnWidth(1),
                    metrics.horizontalAdvance(list->model()->index(1, 1).data().toString()));
    }

    // A change of the display settings, once announced, is shown by the open window: the list font
    // and the date format of the changes list.
    void announcedDisplayChangeIsShown()
    {
        MainWindowFixture fixture;
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()));
        QTableView *list = changesList(w);
        DisplaySettings &settings = fixture.display().edit();
        settings.ListFont.size = 20;
        settings.DateFormat = QStringLiteral("yyyy");
        QCOMPARE_LT(list->font().pointSize(), 20);
        fixture.display().announceChange();
        QCOMPARE(list->font().pointSize(), 20);
        QCOMPARE(list->model()->index(2, 1).data().toString(), QStringLiteral("2003"));
    }

    // The inner bar stops forty pixels above the bottom; hiding the wrap panel lets the changes fill
    // the pane and showing it puts the bar back; both splits survive a restart.
    void splitsFollowDragsAndSurviveRestart()
    {
        MainWindowFixture fixture;
        const QString file = fixture.writeHistory(sampleHistory());
        frmMain &w = fixture.start(file);
        QWidget *pane = child(w, "picSpliterContainer");
        QWidget *bar = child(w, "Frame1");
        dragBar(bar, false, pane->height());
        QCOMPARE(pane->height() - (bar->y() + bar->height()), 40);
        QCOMPARE(wrapPanel(w)->geometry().bottom(), pane->height() - 1);
        dragBar(bar, false, -60);
        dragBar(child(w, "Frame2"), true, 50);
        const QRect outer = child(w, "Frame2")->geometry();
        const QRect inner = bar->geometry();
        const QRect changesShown = changesList(w)->geometry();

        trigger(w, "mnuViewWrapPanel");
        QTRY_COMPARE(changesList(w)->geometry(), pane->rect());
        QVERIFY(!wrapPanel(w)->isVisible());
        QVERIFY(!bar->isVisible());
        trigger(w, "mnuViewWrapPanel");
        QTRY_COMPARE(bar->geometry(), inner);
        QCOMPARE(changesList(w)->geometry(), changesShown);
        QVERIFY(wrapPanel(w)->isVisible());
        QCOMPARE(wrapPanel(w)->geometry().top(), inner.bottom() + 1);

        fixture.close();
        QCOMPARE(fixture.readSetting(QStringLiteral("SplitPosition")), QString::number(outer.x() * 15));
        QCOMPARE(fixture.readSetting(QStringLiteral("SplitPosition2")), QString::number(inner.y() * 15));
        frmMain &again = fixture.start(file);
        QTRY_COMPARE(child(again, "Frame2")->geometry(), outer);
        QTRY_COMPARE(child(again, "Frame1")->geometry(), inner);
    }

    // A window manager maximises a new window only after its first layout; the inner bar, pulled
    // up inside the small window of that moment, goes back to the stored split.
    void windowGrownAfterStartShowsStoredSplit()
    {
        MainWindowFixture fixture;
        fixture.writeSettings({"MainWindowPosition=1500,300,6000,10500", "MainWindowMaxmized=0"});
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()), true);
        QWidget *bar = child(w, "Frame1");
        QTRY_VERIFY(bar->y() < 480);
        w.resize(780, 760);
        QTRY_COMPARE(bar->y(), 480);
        fixture.close();
        QCOMPARE(fixture.readSetting(QStringLiteral("SplitPosition2")), QStringLiteral("7200"));
    }

    void placementWrittenAtClose_data()
    {
        // movedTo: empty: left where it started
        const auto row = addColumns<QRect, QString>({"movedTo", "written"});
        // 11500 twips is no whole number of pixels: an unmoved window writes it back as it was.
        row("unmoved keeps the default", QRect(), "1980,240,4710,11500");
        row("moved window writes Top,Left,Height,Width", QRect(30, 40, 500, 300), "600,450,4500,7500");
    }
    void placementWrittenAtClose()
    {
        QFETCH(QRect, movedTo);
        MainWindowFixture fixture;
        fixture.writeSetting(QStringLiteral("MainWindowMaxmized"), "0");
        frmMain &w = fixture.start(fixture.writeHistory(sampleHistory()), true);
        QCOMPARE(w.geometry(), QRect(16, 132, 767, 314));
        if (!movedTo.isEmpty()) {
            w.setGeometry(movedTo);
            QTRY_COMPARE(w.geometry(), movedTo);
        }
        fixture.close();
        QTEST(fixture.readSetting(QStringLiteral("MainWindowPosition")), "written");
        QCOMPARE(fixture.readSetting(QStringLiteral("MainWindowMaxmized")), QStringLiteral("0"));
    }
};

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_MainWindowLayout.moc"
