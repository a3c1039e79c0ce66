#include "DataTable.h"
#include "HistoryFixture.h"
#include "history/ChangesListModel.h"
#include "history/ShownText.h"

#include <QAbstractItemModelTester>
#include <QLocale>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

class tst_ChangesListModel : public QObject
{
    Q_OBJECT

private:
    // Rows: header "Version 1.0", then the addition, the fix and the note.
    HistoryDocument m_document =
        makeDocument({"Version 1.0", "10.03.99 Added: a", "11.03.99 Fixed: f", "12.03.99 note"}, {0});
    const QIcon m_additionIcon{QPixmap(1, 1)};
    const QIcon m_fixIcon{QPixmap(1, 1)};
    ChangesListLook m_look;
    ChangesListModel m_model;
    QAbstractItemModelTester m_tester{&m_model, QAbstractItemModelTester::FailureReportingMode::QtTest};

    QVariant cell(int row, int column, int role) const
    {
        return m_model.data(m_model.index(row, column), role);
    }
    bool isBold(int row, int column) const { return cell(row, column, Qt::FontRole).value<QFont>().bold(); }

private slots:
    void init()
    {
        m_look = ChangesListLook();
        m_look.foreground = Qt::black;
        m_look.additions = Qt::darkGreen;
        m_look.fixes = Qt::red;
        m_look.additionIcon = m_additionIcon;
        m_look.fixIcon = m_fixIcon;
        m_model.setLook(m_look);
        m_model.setContent(&m_document,
                           BuildChangesList(m_document, {ReleaseIndex(0), ViewFilter::AllChanges, false}));
    }

    void rows_data()
    {
        const auto row =
            addColumns<int, QStringList, QColor, qint64, bool>({"row", "texts", "color", "icon", "bold"});
        const auto day = [](int d) { return QLocale::system().toString(QDate(1999, 3, d), u"dddd"); };
        row("release header bold in its own layout", 0, {"", "", "Version 1.0"}, Qt::black, 0, true);
        row("addition", 1, {day(10), "10/03/1999", "Added: a"}, Qt::darkGreen, m_additionIcon.cacheKey(),
            false);
        row("fix", 2, {day(11), "11/03/1999", "Fixed: f"}, Qt::red, m_fixIcon.cacheKey(), false);
    }
    void rows()
    {
        QFETCH(int, row);
        QStringList texts;
        for (int column = 0; column < m_model.columnCount(); ++column)
            texts << cell(row, column, Qt::DisplayRole).toString();
        QTEST(texts, "texts");
        QTEST(cell(row, 2, Qt::ForegroundRole).value<QBrush>().color(), "color");
        QTEST(cell(row, 0, Qt::DecorationRole).value<QIcon>().cacheKey(), "icon");
        QCOMPARE(cell(row, 1, Qt::DecorationRole), QVariant());
        QTEST(isBold(row, 0), "bold");
        QTEST(isBold(row, 2), "bold");
    }

    void iconsOffShowNone()
    {
        m_look.showIcons = false;
        m_model.setLook(m_look);
        QCOMPARE(cell(1, 0, Qt::DecorationRole), QVariant());
    }

    void lookChangeRepaintsEveryCell()
    {
        QSignalSpy changed(&m_model, &QAbstractItemModel::dataChanged);
        m_look.fixes = Qt::blue;
        m_model.setLook(m_look);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][1].toModelIndex(), m_model.index(3, 2));
        QCOMPARE(cell(2, 0, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::blue));
    }

    void singleColumnShowsWholeLine()
    {
        m_look.separateColumns = false;
        m_model.setLook(m_look);
        QCOMPARE(m_model.columnCount(), 1);
        QCOMPARE(m_model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Change"));
        QCOMPARE(cell(1, 0, Qt::DisplayRole).toString(), QStringLiteral("10.03.99 Added: a"));
    }

    // Laying out a line of many megabytes froze the window: a cell shows at most ShownCharacters
    // characters of it, never parting the two halves of a character, and says how long it is.
    void longLineIsShownCut_data()
    {
        const auto row = addColumns<bool, QString, QString>({"separate", "line", "shown"});
        const QString accents(70000, QChar(0xe9));
        const QString marker = QStringLiteral(" \u2026 [the line goes on; it has %1 characters]");
        row("Change column", true, "10.03.99 Added: " + accents,
            "Added: " + accents.first(ShownCharacters - 7) + marker.arg(70007));
        row("whole line", false, "10.03.99 Added: " + accents,
            "10.03.99 Added: " + accents.first(ShownCharacters - 16) + marker.arg(70016));
        const QString smile = QStringLiteral("\U0001F600");
        row("a pair of halves at the cut", false, "x" + smile.repeated(40000),
            "x" + smile.repeated(32767) + marker.arg(80001));
        row("line just short of the cut", false, accents.first(ShownCharacters),
            accents.first(ShownCharacters));
    }
    void longLineIsShownCut()
    {
        auto [separate, line] = fetch<bool, QString>({"separate", "line"});
        const HistoryDocument document = makeDocument({line});
        m_look.separateColumns = separate;
        m_model.setLook(m_look);
        m_model.setContent(&document,
                           BuildChangesList(document, {ChangesView::All, ViewFilter::AllChanges, false}));
        QTEST(cell(0, m_model.columnCount() - 1, Qt::DisplayRole).toString(), "shown");
        m_model.setContent(nullptr, {});
    }

    void searchHeaderRow_data()
    {
        const auto row = addColumns<bool, QStringList, QList<bool>>({"separate", "texts", "bold"});
        row("separate columns", true, {"", "", "Search Result:"}, {false, true, true});
        row("single column", false, {"Search Result:"}, {true});
    }
    void searchHeaderRow()
    {
        QFETCH(bool, separate);
        m_look.separateColumns = separate;
        m_model.setLook(m_look);
        m_model.setContent(&m_document, ChangesListContent{ChangeRows::listed(lineList({2}), false,
                                                                              ChangeRows::HeaderPlace::Top),
                                                           0, 1, 1_row});
        QStringList texts;
        QList<bool> bold;
        for (int column = 0; column < m_model.columnCount(); ++column) {
            texts << cell(0, column, Qt::DisplayRole).toString();
            bold << isBold(0, column);
        }
        QTEST(texts, "texts");
        QTEST(bold, "bold");
        QCOMPARE(m_model.rowOfLine(2_line), 1_row);
        QCOMPARE(m_model.lineOfRow(0_row), NoLine);
    }
};

QTEST_MAIN(tst_ChangesListModel)
#include "tst_ChangesListModel.moc"
