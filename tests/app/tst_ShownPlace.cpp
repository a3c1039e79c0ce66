#include "HistoryFixture.h"
#include "app/ShownPlace.h"

#include <QTest>

using Lines = QList<int>;

namespace {
// One line per release header, so that line i is the header of release i.
HistoryDocument releasesNamed(const QStringList &labels)
{
    QList<int> headers;
    for (int i = 0; i < labels.size(); ++i)
        headers << i;
    return makeDocument(labels, headers);
}

ChangesView viewOf(int position)
{
    ChangesView view;
    view.releaseIndex = position > 0 ? position - 1 : ChangesView::All;
    return view;
}
} // namespace

class tst_ShownPlace : public QObject
{
    Q_OBJECT

private slots:
    void releaseFoundAgainByLabel_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("expected");

        QTest::newRow("moved down by a new release")
            << QStringList{"2.0", "1.0"} << 2 << QStringList{"3.0", "2.0", "1.0"} << 3;
        QTest::newRow("gone: the first release")
            << QStringList{"2.0", "1.0"} << 2 << QStringList{"3.0", "2.0"} << 1;
        QTest::newRow("of equal labels the nearest")
            << QStringList{"A", "R", "B", "R"} << 4 << QStringList{"R", "B", "R"} << 3;
        QTest::newRow("All stays All") << QStringList{"2.0"} << 0 << QStringList{"3.0", "2.0"} << 0;
        QTest::newRow("All stays All without releases") << QStringList{"2.0"} << 0 << QStringList{} << 0;
        QTest::newRow("no release left: nothing") << QStringList{"2.0"} << 1 << QStringList{} << -1;
        QTest::newRow("nothing shown before: the first release")
            << QStringList{} << -1 << QStringList{"1.0"} << 1;
    }
    void releaseFoundAgainByLabel()
    {
        QFETCH(QStringList, before);
        QFETCH(int, position);
        QFETCH(QStringList, after);
        const HistoryDocument old = releasesNamed(before);
        const ShownPlace place = ShownPlace::take(old, viewOf(position), position >= 0, ChangeRows(), NoRow);
        QTEST(place.positionIn(releasesNamed(after)), "expected");
    }

    void selectedLineFoundAgainByText_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("expected");

        QTest::newRow("where it was")
            << QStringList{"a", "b", "c"} << 1 << QStringList{"a", "b", "c", "d"} << 1;
        QTest::newRow("moved down by new lines above")
            << QStringList{"a", "b", "c"} << 1 << QStringList{"new", "newer", "a", "b", "c"} << 3;
        QTest::newRow("moved up") << QStringList{"a", "b", "c"} << 2 << QStringList{"c"} << 0;
        QTest::newRow("of equal texts the nearest")
            << QStringList{"x", "a", "x", "b", "c", "x"} << 5 << QStringList{"x", "a", "x", "b", "x"} << 4;
        QTest::newRow("gone: none") << QStringList{"a", "b", "c"} << 1 << QStringList{"a", "c"} << -1;
        QTest::newRow("none selected") << QStringList{"a", "b"} << -1 << QStringList{"a", "b"} << -1;
    }
    void selectedLineFoundAgainByText()
    {
        QFETCH(QStringList, before);
        QFETCH(int, selected);
        QFETCH(QStringList, after);
        const HistoryDocument old = makeDocument(before);
        const ShownPlace place = ShownPlace::take(
            old, viewOf(0), 0, ChangeRows::everyLine(before.size(), false), ListRow(selected));
        QTEST(place.rowIn(makeDocument(after), ChangeRows::everyLine(after.size(), false)).value(),
              "expected");
    }

    void searchHeaderRowIsNoLineToFind()
    {
        const HistoryDocument old = makeDocument({"a tab"});
        const ChangeRows results = ChangeRows::listed(lineList({0}), false, ChangeRows::HeaderPlace::Top);
        ChangesView view = viewOf(0);
        view.mode = ChangesListMode::SearchResults;
        const ShownPlace place = ShownPlace::take(old, view, true, results, 0_row);
        QVERIFY(place.searchResultsShown());
        QCOMPARE(place.rowIn(old, results), NoRow);
    }
};

QTEST_APPLESS_MAIN(tst_ShownPlace)
#include "tst_ShownPlace.moc"
