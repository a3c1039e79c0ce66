#include "DataTable.h"
#include "MemorySettingsStore.h"

#include "mainwin/DisplayFonts.h"
#include "mainwin/DisplaySettings.h"
#include "settings/Globals.h"
#include "settings/cProfile.h"
#include "widgets/cCommonDialog.h"

#include <QLabel>

class tst_DisplaySettings : public QObject
{
    Q_OBJECT

private slots:
    // An empty settings file gives the defaults and is not written to.
    void firstRunGivesDefaults()
    {
        MemorySettingsStore empty;
        QCOMPARE(LoadDisplaySettings(empty), DisplaySettings{});
        QCOMPARE(empty.writtenKeys(), QStringList());
    }

    void storedNumber_data()
    {
        const auto row = addColumns<QString, QString, QString, int>({"section", "key", "stored", "expected"});

        const QString v = SectionVelomir;
        row("SplitPosition 0 is one pixel high", v, KeySplitPosition, "0", 15);
        row("SplitPosition2 negative is one pixel wide", v, KeySplitPosition2, "-40", 12);
        row("UnExpandPaths 7 held to 3", SectionCommon, KeyUnExpandPaths, "7", 3);
        row("UnExpandPaths -1 held to 0", SectionCommon, KeyUnExpandPaths, "-1", 0);
        row("UnExpandPaths read from Common only", v, KeyUnExpandPaths, "1", 3);
        row("FontSize not a number takes default", v, KeyFontSize, "abc", 8);
        row("FontStyle fraction takes default", v, KeyFontStyle, "1.5", 0);
        row("FixesColor past 32 bits takes default", v, KeyFixesColor, "4294967296", 128);
        row("ForegroundColor system colour", v, KeyForegroundColor, "-2147483633", -2147483633);
    }

    void storedNumber()
    {
        auto [section, key, stored, expected] =
            fetch<QString, QString, QString, int>({"section", "key", "stored", "expected"});
        MemorySettingsStore store;
        store.set(section, key, stored);
        const DisplaySettings s = LoadDisplaySettings(store, {12, 15});
        const QMap<QString, int> loaded{
            {KeySplitPosition, s.SplitPosition},    {KeySplitPosition2, s.SplitPosition2},
            {KeyUnExpandPaths, s.UnExpandPaths},    {KeyFontSize, s.ListFont.size},
            {KeyFontStyle, s.ListFont.style},       {KeyFixesColor, s.FixesColor},
            {KeyForegroundColor, s.ForegroundColor}};
        QCOMPARE(loaded.value(key), expected);
    }

    void detectListSplit_data()
    {
        const auto row = addColumns<QString, QStringList>({"stored", "expected"});
        row("pieces keep their blanks", "Release , New", QStringList{"Release ", " New"});
        row("empty setting is no pattern", "", QStringList{});
        row("trailing comma gives an empty last piece", "Release,", QStringList{"Release", ""});
    }
    void detectListSplit()
    {
        QFETCH(QString, stored);
        MemorySettingsStore store;
        store.set(SectionVelomir, KeyVersionDetectStrings, stored);
        const DisplaySettings s = LoadDisplaySettings(store);
        QTEST(s.VersionDetectList, "expected");
    }

    void savedSettingsLoadBack()
    {
        DisplaySettings s;
        s.ShowListIcons = false;
        s.DateInSeparateColumns = false;
        s.DayFormat = "ddd";
        s.DateFormat = "yyyy-MM-dd";
        s.ToolbarVisible = false;
        s.StatusBarVisible = false;
        s.WrapPanelVisible = false;
        s.ForegroundColor = 0x00112233;
        s.BackgroundColor = -2147483633;
        s.AdditionsColor = 0x00FF0000;
        s.FixesColor = 0x000000FF;
        s.ListFont = FontSetting{"DejaVu Sans", 204, 11, 3};
        s.WrapFont = FontSetting{"DejaVu Sans Mono", 0, 14, 12};
        s.SplitPosition2 = 3000;
        s.SplitPosition = 2000;
        MemorySettingsStore store;
        SaveDisplaySettings(s, store);
        SaveViewState(s, true, store);
        QCOMPARE(LoadDisplaySettings(store), s);
        QVERIFY(LoadReversedList(store));
    }

    // Every stored style comes back from the font made of it; only a bold weight counts as bold.
    void styleBitsSurviveFontObject()
    {
        for (int style = 0; style < 16; ++style)
            QCOMPARE(cCommonDialog::styleBitsOf(fontFromSetting({"MS Sans Serif", 1, 8, style}, 10)), style);
        for (const QFont::Weight weight : {QFont::DemiBold, QFont::Black}) {
            QFont font;
            font.setWeight(weight);
            QCOMPARE(cCommonDialog::styleBitsOf(font), 0);
        }
    }

    void applyListFontUsesStoredFont()
    {
        DisplaySettings settings;
        settings.ListFont = FontSetting{"No Such Face Anywhere", 1, 13, 0};
        QLabel control;
        ApplyListFont(&control, settings);
        QCOMPARE(control.font().family(), QStringLiteral("No Such Face Anywhere"));
        QCOMPARE(control.font().pointSize(), 13);
    }
};

QTEST_MAIN(tst_DisplaySettings)
#include "tst_DisplaySettings.moc"
