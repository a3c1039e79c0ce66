#include "DataTable.h"

#include "mainwin/DisplayFonts.h"
#include "mainwin/DisplaySettings.h"
#include "widgets/cCommonDialog.h"

#include <QLabel>
#include <QTest>

class tst_DisplayFonts : public QObject
{
    Q_OBJECT

private slots:
    void chosenFontStyleBits_data()
    {
        const auto row =
            addColumns<QFont::Weight, bool, bool, int>({"weight", "italic", "strikeout", "expected"});
        row("bold italic is 3", QFont::Bold, true, false, 3);
        row("demibold is not bold", QFont::DemiBold, false, false, 0);
        row("black is not bold", QFont::Black, false, false, 0);
        row("strikeout underline is 12", QFont::Normal, false, true, 12);
    }
    void chosenFontStyleBits()
    {
        QFETCH(QFont::Weight, weight);
        QFETCH(bool, italic);
        QFETCH(bool, strikeout);
        QFont font;
        font.setWeight(weight);
        font.setItalic(italic);
        font.setStrikeOut(strikeout);
        font.setUnderline(strikeout);
        QTEST(cCommonDialog::styleBitsOf(font), "expected");
    }

    void storedStyleSurvivesFontObject()
    {
        for (int style = 0; style < 16; ++style)
            QCOMPARE(cCommonDialog::styleBitsOf(fontFromSetting({"MS Sans Serif", 1, 8, style}, 10)), style);
    }

    void applyListFontUsesStoredFont()
    {
        DisplaySettings settings;
        settings.ListFont = FontSetting{"No Such Face Anywhere", 1, 13, FontSetting::Italic};
        QLabel control;
        ApplyListFont(&control, settings);
        QCOMPARE(control.font().family(), QStringLiteral("No Such Face Anywhere"));
        QCOMPARE(control.font().pointSize(), 13);
        QCOMPARE(control.font().italic(), true);
    }
};

QTEST_MAIN(tst_DisplayFonts)
#include "tst_DisplayFonts.moc"
