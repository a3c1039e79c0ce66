#include "AccessKeys.h"
#include "DataTable.h"
#include "MemorySettingsStore.h"

#include "mainwin/ColorSwatch.h"
#include "mainwin/CurrentDisplaySettings.h"
#include "mainwin/DisplaySettings.h"
#include "mainwin/frmOptions.h"
#include "settings/cProfile.h"
#include "widgets/cCommonDialog.h"

#include <QApplication>
#include <QLineEdit>

#include <memory>

namespace {

// Live settings, a settings file and a main window that remembers the settings each ApplySettings
// saw, with Options dialogs opened over them.
struct Session
{
    CurrentDisplaySettings current;
    DisplaySettings &settings = current.edit();
    MemorySettingsStore store;
    QList<DisplaySettings> applied;
    std::unique_ptr<frmOptions> dialog;

    Session()
    {
        QObject::connect(&current, &CurrentDisplaySettings::changed, [this] { applied << settings; });
    }
    void open() { dialog = std::make_unique<frmOptions>(current, store); }
    template <typename T> T *find(const QString &name) { return dialog->findChild<T *>(name); }
    void click(const QString &name) { QTest::mouseClick(find<QWidget>(name), Qt::LeftButton); }
    ColorSwatch *swatch(int index)
    {
        return find<ColorSwatch>(QStringLiteral("lblColorChange_%1").arg(index));
    }
};

} // namespace

class tst_frmOptions : public QObject
{
    Q_OBJECT

private slots:
    void init() { cCommonDialog::startScripting(); }
    void cleanup() { cCommonDialog::stopScripting(); }

    // The format boxes follow the date-columns box; focus puts the caret at the end; cleared, each
    // format is stored as one blank.
    void formatBoxes()
    {
        Session s;
        s.settings.DateInSeparateColumns = false;
        s.open();
        auto *day = s.find<QLineEdit>("txtDayFormat");
        auto *date = s.find<QLineEdit>("txtDateFormat");
        for (const bool enabled : {false, true, false}) {
            QCOMPARE(day->isEnabled(), enabled);
            QCOMPARE(date->isEnabled(), enabled);
            s.click("chkDateInSeparateColumns");
        }
        for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::MouseFocusReason}) {
            date->setCursorPosition(0);
            QFocusEvent focusIn(QEvent::FocusIn, reason);
            QApplication::sendEvent(date, &focusIn);
            QCOMPARE(date->hasSelectedText(), false);
            QCOMPARE(date->cursorPosition(), int(s.settings.DateFormat.size()));
        }

        day->clear();
        date->clear();
        s.click("cmdOK");
        QCOMPARE(s.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(s.store.read(SectionVelomir, KeyDayFormat, "absent"), QStringLiteral(" "));
        QCOMPARE(s.store.read(SectionVelomir, KeyDateFormat, "absent"), QStringLiteral(" "));
        QCOMPARE(LoadDisplaySettings(s.store).DayFormat, QStringLiteral(" "));
    }

    // The two font buttons share a caption but not a letter: Alt+H reaches the wrap font's.
    void accessKeysAreDistinctAndReachWrapFont()
    {
        Session s;
        s.open();
        QCOMPARE(accessKeyClashes(s.dialog.get()), QStringList());
        s.dialog->show();
        s.dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.dialog.get()));
        cCommonDialog::scriptFontAnswer({false, {}});
        QTest::keyClick(s.dialog->windowHandle(), Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(cCommonDialog::fontRequests(), QList<FontSetting>{s.settings.WrapFont});
    }

    // Cancel applies and writes nothing and undoes the boxes, texts and colours; a font confirmed in
    // the font dialog is kept for the next OK all the same.
    void cancelKeepsOnlyConfirmedFont()
    {
        Session s;
        const FontSetting chosen{"DejaVu Sans", 1, 12, 3};
        cCommonDialog::scriptFontAnswer({true, chosen});
        cCommonDialog::scriptColorAnswer({true, "255"});
        s.open();
        s.click("cmdChangeFont");
        s.click("chkShowListIcons");
        s.find<QLineEdit>("txtDayFormat")->setText("ddd");
        s.click("lblColorChange_2");
        s.click("cmdCancel");
        QCOMPARE(s.dialog->result(), int(QDialog::Rejected));
        QCOMPARE(s.applied.size(), 0);
        QCOMPARE(s.store.writtenKeys(), QStringList());

        s.open();
        s.click("cmdOK");
        DisplaySettings expected;
        expected.ListFont = chosen;
        QCOMPARE(s.applied, QList<DisplaySettings>{expected});
        QCOMPARE(LoadDisplaySettings(s.store), expected);
    }

    void swatchAsksForColour_data()
    {
        const auto row = addColumns<int, bool, QString>({"index", "keyboard", "systemName"});
        row("foreground may stay window text", 0, false, "WindowText");
        row("background may stay window", 1, true, "Window");
        row("additions has no system colour", 2, false, "");
    }

    void swatchAsksForColour()
    {
        auto [index, keyboard] = fetch<int, bool>({"index", "keyboard"});
        Session s;
        cCommonDialog::scriptColorAnswer({true, "-2147483633"});
        s.open();
        ColorSwatch *swatch = s.swatch(index);
        const qint32 initial = swatch->color();
        if (keyboard)
            QTest::keyClick(swatch, Qt::Key_Space);
        else
            QTest::mouseClick(swatch, Qt::LeftButton);
        s.click("cmdOK");
        const QList<cCommonDialog::ColorRequest> asked = cCommonDialog::colorRequests();
        QCOMPARE(asked.size(), 1);
        QTEST(asked.constFirst().systemColorName, "systemName");
        QCOMPARE(asked.constFirst().initialColor, initial);
        const std::array<qint32, 4> saved{s.settings.ForegroundColor, s.settings.BackgroundColor,
                                          s.settings.AdditionsColor, s.settings.FixesColor};
        QCOMPARE(saved[index], qint32(-2147483633));
    }

    void defaultSwatchesShowDarkTheme()
    {
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(dark);
        Session s;
        s.open();
        QApplication::setPalette(original);
        const QList<QColor> expected{{230, 230, 230}, {30, 30, 30}, {0, 0, 128}, {128, 0, 0}};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(s.swatch(i)->palette().color(QPalette::Window), expected[i]);
    }
};

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
