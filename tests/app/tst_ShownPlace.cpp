#include "DataTable.h"
#include "HistoryFixture.h"
#include "app/ShownPlace.h"

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
    view.releaseIndex = ReleaseIndex(std::max(position, 0) - 1);
    return view;
}
} // namespace

class tst_ShownPlace : public QObject
{
    Q_OBJECT

private slots:
    void releaseFoundAgainByLabel_data()
    {
        const auto row =
            addColumns<QStringList, int, QStringList, int>({"before", "position", "after", "expected"});
        row("of equal labels the nearest", {"A", "R", "B", "R"}, 4, {"R", "B", "R"}, 3);
        row("no release left: nothing", {"2.0"}, 1, {}, -1);
        row("nothing shown before: the first release", {}, -1, {"1.0"}, 1);
    }
    void releaseFoundAgainByLabel()
    {
        auto [before, position, after] =
            fetch<QStringList, int, QStringList>({"before", "position", "after"});
        const HistoryDocument old = releasesNamed(before);
        const ShownPlace place = ShownPlace::take(old, viewOf(position), position >= 0, ChangeRows(), NoRow);
        QTEST(place.positionIn(releasesNamed(after)), "expected");
    }

    void selectedLineFoundAgainByText_data()
    {
        const auto row =
            addColumns<QStringList, int, QStringList, int>({"before", "selected", "after", "expected"});
        row("where it was", {"a", "b", "c"}, 1, {"a", "b", "c", "d"}, 1);
        row("moved up", {"a", "b", "c"}, 2, {"c"}, 0);
        row("of equal texts the nearest", {"x", "a", "x", "b", "c", "x"}, 5, {"x", "a", "x", "b", "x"}, 4);
        row("gone: none", {"a", "b", "c"}, 1, {"a", "c"}, -1);
        row("none selected", {"a", "b"}, -1, {"a", "b"}, -1);
    }
    void selectedLineFoundAgainByText()
    {
        auto [before, selected, after] =
            fetch<QStringList, int, QStringList>({"before", "selected", "after"});
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
