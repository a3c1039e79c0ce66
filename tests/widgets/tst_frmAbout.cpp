#include "version.h"
#include "widgets/frmAbout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {

// Records the addresses it is asked to open instead of starting a browser.
class RecordingAbout : public frmAbout
{
public:
    QList<QUrl> opened;

protected:
    void openWebAddress(const QUrl &url) override { opened.append(url); }
};

} // namespace

class tst_frmAbout : public QObject
{
    Q_OBJECT

private slots:
    void showsBuildVersion();
    void visitNowOpensWebAddress_data();
    void visitNowOpensWebAddress();
    void focusSelectsWholeAddress();
    void okCloses();
};

void tst_frmAbout::showsBuildVersion()
{
    frmAbout about;
    const auto *version = about.findChild<QLabel *>(QStringLiteral("lblVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version: " VELOMIR_VERSION_STRING));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Velomir"));
}

void tst_frmAbout::visitNowOpensWebAddress_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse click") << false;
    QTest::newRow("space key") << true;
}

void tst_frmAbout::visitNowOpensWebAddress()
{
    QFETCH(bool, byKeyboard);
    RecordingAbout about;
    about.show();
    auto *link = about.findChild<QLabel *>(QStringLiteral("lblURL"));
    QVERIFY(link);
    QCOMPARE(link->text(), QStringLiteral("Visit Now"));
    if (byKeyboard)
        QTest::keyClick(link, Qt::Key_Space);
    else
        QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(about.opened, QList<QUrl>{frmAbout::webAddress()});
}

void tst_frmAbout::focusSelectsWholeAddress()
{
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    auto *address = about.findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(address);
    address->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(address->selectedText(), frmAbout::contactAddress());
}

void tst_frmAbout::okCloses()
{
    frmAbout about;
    about.show();
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
