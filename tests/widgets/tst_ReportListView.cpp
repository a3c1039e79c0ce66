#include "widgets/ReportListView.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <QVBoxLayout>

// A report list between two other panes, holding rows of a narrow and a very wide column.
class ReportListViewTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tabLeavesTheListBothWays();
    void homeAndEndGoToFirstAndLastRow();
    void choosingARowNeverScrollsSideways();
    void leftAndRightScrollSideways();
    void rowsAreAsTallAsTheFont_data();
    void rowsAreAsTallAsTheFont();

private:
    QWidget *m_window = nullptr;
    QLineEdit *m_before = nullptr;
    ReportListView *m_list = nullptr;
    QLineEdit *m_after = nullptr;
    QStandardItemModel *m_model = nullptr;
};

void ReportListViewTest::init()
{
    m_window = new QWidget;
    auto *layout = new QVBoxLayout(m_window);
    m_before = new QLineEdit(m_window);
    m_list = new ReportListView(m_window);
    m_after = new QLineEdit(m_window);
    layout->addWidget(m_before);
    layout->addWidget(m_list);
    layout->addWidget(m_after);
    m_model = new QStandardItemModel(50, 2, m_window);
    for (int row = 0; row < 50; ++row) {
        m_model->setItem(row, 0, new QStandardItem(QStringLiteral("day %1").arg(row)));
        m_model->setItem(row, 1, new QStandardItem(QString(400, u'x')));
    }
    m_list->setModel(m_model);
    m_list->setColumnWidth(0, 80);
    m_list->setColumnWidth(1, 3000);
    m_window->resize(300, 300);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_list->setFocus();
    m_list->setCurrentIndex(m_model->index(5, 0));
}

void ReportListViewTest::cleanup()
{
    delete m_window;
}

void ReportListViewTest::tabLeavesTheListBothWays()
{
    QTest::keyClick(m_list, Qt::Key_Tab);
    QTRY_VERIFY(m_after->hasFocus());
    m_list->setFocus();
    QTest::keyClick(m_list, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(m_before->hasFocus());
    QCOMPARE(m_list->currentIndex().row(), 5);
}

void ReportListViewTest::homeAndEndGoToFirstAndLastRow()
{
    QTest::keyClick(m_list, Qt::Key_End);
    QCOMPARE(m_list->currentIndex().row(), 49);
    QTest::keyClick(m_list, Qt::Key_Home);
    QCOMPARE(m_list->currentIndex().row(), 0);
}

void ReportListViewTest::choosingARowNeverScrollsSideways()
{
    QScrollBar *sideways = m_list->horizontalScrollBar();
    QCOMPARE(sideways->value(), 0);
    const QRect wideCell = m_list->visualRect(m_model->index(20, 1));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {},
                      QPoint(wideCell.left() + 150, wideCell.center().y()));
    QCOMPARE(m_list->currentIndex().row(), 20);
    QCOMPARE(sideways->value(), 0);
    // Going down past the bottom still scrolls, but only downwards.
    QTest::keyClick(m_list, Qt::Key_End);
    QVERIFY(m_list->verticalScrollBar()->value() > 0);
    QCOMPARE(sideways->value(), 0);
}

void ReportListViewTest::leftAndRightScrollSideways()
{
    QScrollBar *sideways = m_list->horizontalScrollBar();
    QTest::keyClick(m_list, Qt::Key_Right);
    QVERIFY(sideways->value() > 0);
    QTest::keyClick(m_list, Qt::Key_Left);
    QCOMPARE(sideways->value(), 0);
    QCOMPARE(m_list->currentIndex(), m_model->index(5, 0));
}

void ReportListViewTest::rowsAreAsTallAsTheFont_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("8 pt") << 8 << false;
    QTest::newRow("14 pt") << 14 << false;
    QTest::newRow("20 pt") << 20 << false;
    QTest::newRow("20 pt bold") << 20 << true;
}

void ReportListViewTest::rowsAreAsTallAsTheFont()
{
    QFETCH(int, pointSize);
    QFETCH(bool, bold);
    QFont font = m_list->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    m_list->setFont(font);
    font.setBold(true);
    QVERIFY(m_list->rowHeight(0) > QFontMetrics(font).height());
    QCOMPARE(m_list->rowHeight(0), m_list->rowHeight(49));
}

QTEST_MAIN(ReportListViewTest)
#include "tst_ReportListView.moc"
