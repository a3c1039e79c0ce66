#include "mainwin/DisplayFonts.h"
#include "mainwin/DisplaySettings.h"
#include "widgets/cCommonDialog.h"

#include <QLabel>
#include <QTest>

class tst_DisplayFonts : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(tst_DisplayFonts)
#include "tst_DisplayFonts.moc"
