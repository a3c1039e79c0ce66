#include "DataTable.h"
#include "HistoryFixture.h"
#include "mainwin/ShownHistory.h"

#include <QTest>

namespace {
// Releases "3", "2", "1", newest first, with one change each.
HistoryDocument threeReleases(const QStringList &labels = {"3", "2", "1"})
{
    QStringList lines;
    QList<int> headers;
    for (const QString &label : labels) {
        headers << int(lines.size());
        lines << label << QStringLiteral("01.01.01 Added: in %1").arg(label);
    }
    HistoryDocument document = makeDocument(lines, headers);
    for (qsizetype i = 0; i < labels.size(); ++i)
        document.releases[std::size_t(i)].label = labels[i];
    return document;
}
} // namespace

class tst_ShownHistory : public QObject
{
    Q_OBJECT

private slots:
    void newReleasesAboveTheLastSeen_data()
    {
        const auto row = addColumns<QString, int>({"lastSeenLabel", "newCount"});
        row("two came in above the one seen", "1", 2);
        row("the top one seen: nothing new", "3", 0);
        row("nothing remembered", "", 0);
        row("the label is gone from the file", "0.9", 0);
    }
    void newReleasesAboveTheLastSeen()
    {
        QFETCH(QString, lastSeenLabel);
        ShownHistory shown;
        shown.replace(threeReleases(), QStringLiteral("History.txt"), lastSeenLabel);
        QTEST(shown.newReleaseCount(), "newCount");
        QCOMPARE(shown.listPlaces().newItem, shown.newReleaseCount() > 0);
        QCOMPARE(shown.newestReleaseLabel(), QStringLiteral("3"));
    }

    // Read again, what was new stays new and what came in above the top release becomes new; the
    // view of the new releases follows them, and falls back to "All" when none is new.
    void reloadKeepsAndGrowsWhatIsNew()
    {
        ShownHistory shown;
        shown.replace(threeReleases({"2", "1"}), QStringLiteral("History.txt"), QString());
        QCOMPARE(shown.lastSeenAcrossReload(), QStringLiteral("2"));
        shown.replace(threeReleases({"3", "2", "1"}), QStringLiteral("History.txt"),
                      shown.lastSeenAcrossReload());
        QCOMPARE(shown.newReleaseCount(), 1);
        shown.showNew();
        QVERIFY(shown.view().newSelected());

        shown.replace(threeReleases({"4", "3", "2", "1"}), QStringLiteral("History.txt"),
                      shown.lastSeenAcrossReload());
        QCOMPARE(shown.newReleaseCount(), 2);
        shown.setView(shown.view());
        QCOMPARE(shown.view().lastSeen, ReleaseIndex(2));

        shown.replace(threeReleases({"2", "1"}), QStringLiteral("History.txt"), shown.lastSeenAcrossReload());
        shown.setView(shown.view());
        QVERIFY(shown.view().allSelected());
        shown.showNew();
        QVERIFY(shown.view().allSelected());
    }

    // The releases list: "All", then "New since last time" only while some are new, then the releases.
    void listPlacesMakeRoomForTheNewItem()
    {
        for (const bool newItem : {false, true}) {
            const ReleasesListPlaces places{newItem};
            const int first = newItem ? 2 : 1;
            QCOMPARE(places.positionOf(ChangesView::All), 0);
            QCOMPARE(places.positionOf(ReleaseIndex(0)), first);
            QCOMPARE(places.releaseAt(first + 1), ReleaseIndex(1));
            QCOMPARE(places.releaseAt(0), ChangesView::All);
            QCOMPARE(places.newPosition(), newItem ? 1 : -1);
            ChangesView news;
            news.lastSeen = ReleaseIndex(1);
            QCOMPARE(places.positionOf(news), newItem ? 1 : 0);
        }
    }
};

QTEST_GUILESS_MAIN(tst_ShownHistory)
#include "tst_ShownHistory.moc"
