#include "MemorySettingsStore.h"

#include "app/cCommonDialog.h"
#include "mainwin/ColorSwatch.h"
#include "mainwin/DisplaySettings.h"
#include "mainwin/OptionsHost.h"
#include "mainwin/frmOptions.h"
#include "settings/cProfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Stands in for the main window: remembers the settings each ApplySettings saw.
class RecordingHost : public OptionsHost
{
public:
    explicit RecordingHost(const DisplaySettings &settings)
        : m_settings(settings)
    {
    }
    void ApplySettings() override { applied << m_settings; }
    void SaveLayoutSettings() override { ++layoutSaves; }

    QList<DisplaySettings> applied;
    int layoutSaves = 0;

private:
    const DisplaySettings &m_settings;
};

template <typename T> T *child(QWidget &dialog, const char *name)
{
    auto *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

} // namespace

class frmOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { cCommonDialog::startScripting(); }
    void cleanup() { cCommonDialog::stopScripting(); }

    void formatBoxesFollowDateColumns()
    {
        DisplaySettings settings;
        settings.DateInSeparateColumns = false;
        MemorySettingsStore store;
        RecordingHost host(settings);
        frmOptions dialog(settings, store, host);
        auto *dateColumns = child<QCheckBox>(dialog, "chkDateInSeparateColumns");
        auto *day = child<QLineEdit>(dialog, "txtDayFormat");
        auto *date = child<QLineEdit>(dialog, "txtDateFormat");

        QCOMPARE(day->isEnabled(), false);
        QCOMPARE(date->isEnabled(), false);
        QTest::mouseClick(dateColumns, Qt::LeftButton);
        QCOMPARE(day->isEnabled(), true);
        QCOMPARE(date->isEnabled(), true);
        QTest::mouseClick(dateColumns, Qt::LeftButton);
        QCOMPARE(day->isEnabled(), false);
        QCOMPARE(date->isEnabled(), false);
    }

    void clearedFormatsStoredAsOneBlank()
    {
        DisplaySettings settings;
        MemorySettingsStore store;
        RecordingHost host(settings);
        frmOptions dialog(settings, store, host);
        child<QLineEdit>(dialog, "txtDayFormat")->clear();
        child<QLineEdit>(dialog, "txtDateFormat")->clear();

        QTest::mouseClick(child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(host.applied.size(), 1);
        QCOMPARE(store.read(SectionVelomir, KeyDayFormat, "absent"), QStringLiteral(" "));
        QCOMPARE(store.read(SectionVelomir, KeyDateFormat, "absent"), QStringLiteral(" "));
        QCOMPARE(LoadDisplaySettings(store).DayFormat, QStringLiteral(" "));
    }

    void confirmedFontSurvivesCancel()
    {
        DisplaySettings settings;
        MemorySettingsStore store;
        RecordingHost host(settings);
        const FontSetting chosen{"DejaVu Sans", 1, 12, 3};
        cCommonDialog::scriptFontAnswer({true, chosen});
        {
            frmOptions first(settings, store, host);
            QTest::mouseClick(child<QPushButton>(first, "cmdChangeFont"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(first, "cmdCancel"), Qt::LeftButton);
        }
        QCOMPARE(host.applied.size(), 0);
        QCOMPARE(store.contains(SectionVelomir, KeyFontName), false);

        frmOptions second(settings, store, host);
        QTest::mouseClick(child<QPushButton>(second, "cmdOK"), Qt::LeftButton);

        QCOMPARE(host.applied.size(), 1);
        QCOMPARE(host.applied.constFirst().ListFont, chosen);
        QCOMPARE(LoadDisplaySettings(store).ListFont, chosen);
        QCOMPARE(cCommonDialog::fontRequests(), QList<FontSetting>{FontSetting{}});
    }

    void cancelDiscardsBoxesTextsAndColours()
    {
        DisplaySettings settings;
        MemorySettingsStore store;
        RecordingHost host(settings);
        cCommonDialog::scriptColorAnswer({true, "255"});
        frmOptions dialog(settings, store, host);
        QTest::mouseClick(child<QCheckBox>(dialog, "chkShowListIcons"), Qt::LeftButton);
        child<QLineEdit>(dialog, "txtDayFormat")->setText("ddd");
        QTest::mouseClick(child<ColorSwatch>(dialog, "lblColorChange_2"), Qt::LeftButton);

        QTest::mouseClick(child<QPushButton>(dialog, "cmdCancel"), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(settings, DisplaySettings{});
        QCOMPARE(store.writtenKeys(), QStringList());
    }

    void swatchAsksForColour_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<QString>("systemName");
        QTest::newRow("foreground may stay window text") << 0 << false << "WindowText";
        QTest::newRow("background may stay window") << 1 << true << "Window";
        QTest::newRow("additions has no system colour") << 2 << false << "";
        QTest::newRow("fixes by keyboard") << 3 << true << "";
    }

    void swatchAsksForColour()
    {
        QFETCH(int, index);
        QFETCH(bool, keyboard);
        QFETCH(QString, systemName);
        DisplaySettings settings;
        MemorySettingsStore store;
        RecordingHost host(settings);
        cCommonDialog::scriptColorAnswer({true, "-2147483633"});
        frmOptions dialog(settings, store, host);
        auto *swatch = child<ColorSwatch>(dialog, qPrintable(QStringLiteral("lblColorChange_%1").arg(index)));
        const qint32 initial = swatch->color();

        if (keyboard)
            QTest::keyClick(swatch, Qt::Key_Space);
        else
            QTest::mouseClick(swatch, Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);

        const QList<cCommonDialog::ColorRequest> asked = cCommonDialog::colorRequests();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.constFirst().systemColorName, systemName);
        QCOMPARE(asked.constFirst().initialColor, initial);
        const std::array<qint32, 4> saved{settings.ForegroundColor, settings.BackgroundColor,
                                          settings.AdditionsColor, settings.FixesColor};
        QCOMPARE(saved[index], qint32(-2147483633));
    }

    void formatCaretGoesToEndOnFocus()
    {
        DisplaySettings settings;
        MemorySettingsStore store;
        RecordingHost host(settings);
        frmOptions dialog(settings, store, host);
        auto *date = child<QLineEdit>(dialog, "txtDateFormat");
        date->setCursorPosition(0);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(date, &focusIn);
        QCOMPARE(date->hasSelectedText(), false);
        QCOMPARE(date->cursorPosition(), int(settings.DateFormat.size()));
    }

    void defaultSwatchesShowDarkTheme()
    {
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        QApplication::setPalette(dark);
        DisplaySettings settings;
        MemorySettingsStore store;
        RecordingHost host(settings);
        frmOptions dialog(settings, store, host);
        QApplication::setPalette(original);

        const auto shown = [&dialog](const char *name) {
            return child<ColorSwatch>(dialog, name)->palette().color(QPalette::Window);
        };
        QCOMPARE(shown("lblColorChange_0"), QColor(230, 230, 230));
        QCOMPARE(shown("lblColorChange_1"), QColor(30, 30, 30));
        QCOMPARE(shown("lblColorChange_2"), QColor(0, 0, 128));
        QCOMPARE(shown("lblColorChange_3"), QColor(128, 0, 0));
    }
};

QTEST_MAIN(frmOptionsTest)
#include "frmOptionsTest.moc"
