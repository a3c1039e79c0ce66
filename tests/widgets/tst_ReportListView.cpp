#include "DataTable.h"

#include "widgets/ReportListView.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

#include <memory>

// A report list holding rows of a narrow and a very wide column, row 5 current. Tab and Shift+Tab
// out of it are checked in the main and statistics windows.
class ReportListViewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ReportListView> m_list;
    QStandardItemModel m_model{50, 2};

private slots:
    void init()
    {
        for (int row = 0; row < 50; ++row) {
            m_model.setItem(row, 0, new QStandardItem(QStringLiteral("day %1").arg(row)));
            m_model.setItem(row, 1, new QStandardItem(QString(400, u'x')));
        }
        m_list = std::make_unique<ReportListView>();
        m_list->setModel(&m_model);
        m_list->setColumnWidth(0, 80);
        m_list->setColumnWidth(1, 3000);
        m_list->resize(300, 300);
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
        m_list->setCurrentIndex(m_model.index(5, 0));
    }
    void cleanup() { m_list.reset(); }

    // Choosing a row by mouse or key never scrolls sideways; End and Home go to the last and
    // first rows.
    void choosingARowNeverScrollsSideways()
    {
        QScrollBar *sideways = m_list->horizontalScrollBar();
        const QRect wideCell = m_list->visualRect(m_model.index(20, 1));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                          QPoint(wideCell.left() + 150, wideCell.center().y()));
        QCOMPARE(m_list->currentIndex().row(), 20);
        QCOMPARE(sideways->value(), 0);
        QTest::keyClick(m_list.get(), Qt::Key_End);
        QCOMPARE(m_list->currentIndex().row(), 49);
        QVERIFY(m_list->verticalScrollBar()->value() > 0);
        QCOMPARE(sideways->value(), 0);
        QTest::keyClick(m_list.get(), Qt::Key_Home);
        QCOMPARE(m_list->currentIndex().row(), 0);
    }

    void leftAndRightScrollSideways()
    {
        QScrollBar *sideways = m_list->horizontalScrollBar();
        QTest::keyClick(m_list.get(), Qt::Key_Right);
        QVERIFY(sideways->value() > 0);
        QTest::keyClick(m_list.get(), Qt::Key_Left);
        QCOMPARE(sideways->value(), 0);
        QCOMPARE(m_list->currentIndex(), m_model.index(5, 0));
    }

    // Every row is as tall as the font, in bold too.
    void rowsAreAsTallAsTheFont_data()
    {
        const auto row = addColumns<int, bool>({"pointSize", "bold"});
        row("8 pt", 8, false);
        row("20 pt bold", 20, true);
    }
    void rowsAreAsTallAsTheFont()
    {
        auto [pointSize, bold] = fetch<int, bool>({"pointSize", "bold"});
        QFont font = m_list->font();
        font.setPointSize(pointSize);
        font.setBold(bold);
        m_list->setFont(font);
        font.setBold(true);
        QVERIFY(m_list->rowHeight(0) > QFontMetrics(font).height());
        QCOMPARE(m_list->rowHeight(0), m_list->rowHeight(49));
    }
};

QTEST_MAIN(ReportListViewTest)
#include "tst_ReportListView.moc"
