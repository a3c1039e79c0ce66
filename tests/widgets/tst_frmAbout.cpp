#include "DataTable.h"

#include "widgets/frmAbout.h"

#include <QLabel>
#include <QLineEdit>
#include <QUrl>

// Records the addresses it is asked to open instead of starting a browser.
class RecordingAbout : public frmAbout
{
public:
    QList<QUrl> opened;

    template <typename T> T *child(const char *name)
    {
        auto *widget = findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

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
        auto *link = about.child<QLabel>("lblURL");
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
        auto *address = about.child<QLineEdit>("Text1");
        address->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(address->selectedText(), frmAbout::contactAddress());
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
