#include "DataTable.h"

#include "widgets/frmAbout.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QStyle>
#include <QUrl>

// Records the addresses it is asked to open instead of starting a browser.
class RecordingAbout : public frmAbout
{
public:
    QList<QUrl> opened;

protected:
    void openWebAddress(const QUrl &url) override { opened.append(url); }
};

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void visitNowOpensWebAddress_data()
    {
        const auto row = addColumns<bool>({"byKeyboard"});
        row("mouse click", false);
        row("space key", true);
    }
    void visitNowOpensWebAddress()
    {
        QFETCH(bool, byKeyboard);
        RecordingAbout about;
        about.show();
        auto *link = about.findChild<QLabel *>("lblURL");
        if (byKeyboard)
            QTest::keyClick(link, Qt::Key_Space);
        else
            QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(about.opened, QList<QUrl>{frmAbout::webAddress()});
    }

    void focusSelectsWholeAddress()
    {
        RecordingAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        auto *address = about.findChild<QLineEdit *>("Text1");
        address->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(address->selectedText(), frmAbout::contactAddress());
    }

    void addressBoxShowsWholeAddress_data()
    {
        const auto row = addColumns<int, bool>({"pointSize", "boxOnly"});
        row("default font", 0, false);
        row("20 pt", 20, false);
        row("the box alone in 40 pt", 40, true);
    }
    void addressBoxShowsWholeAddress()
    {
        auto [pointSize, boxOnly] = fetch<int, bool>({"pointSize", "boxOnly"});
        RecordingAbout about;
        auto *address = about.findChild<QLineEdit *>("Text1");
        if (pointSize) {
            QFont font = about.font();
            font.setPointSize(pointSize);
            boxOnly ? address->setFont(font) : about.setFont(font);
        }
        about.show();
        about.layout()->activate();
        const int frame = address->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, address);
        const QMargins text = address->textMargins();
        QVERIFY2(address->width() >= address->fontMetrics().horizontalAdvance(frmAbout::contactAddress()) +
                                         2 * frame + 2 * 2 + text.left() + text.right(),
                 qPrintable(QString::number(address->width())));
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
