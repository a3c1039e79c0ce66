#include "DataTable.h"

#include "mainwin/DisplaySettings.h"
#include "widgets/SystemColors.h"

#include <QApplication>

class tst_SystemColors : public QObject
{
    Q_OBJECT

private slots:
    void storedColour_data()
    {
        const auto row = addColumns<qint32, QColor>({"stored", "expected"});
        row("explicit 128 is dark red", qint32(128), QColor(128, 0, 0));
        row("explicit bytes are blue green red", qint32(0x00336699), QColor(0x99, 0x66, 0x33));
        row("8 window text", SystemWindowTextColor, QColor(1, 1, 1));
        row("5 window", SystemWindowColor, QColor(2, 2, 2));
        row("15 button face", qint32(0x8000000Fu), QColor(3, 3, 3));
        row("17 gray text is disabled text", qint32(0x80000011u), QColor(4, 4, 4));
        row("9 caption text", qint32(0x80000009u), QColor(7, 7, 7));
        row("unknown number is text", qint32(0x80000063u), QColor(1, 1, 1));
    }
    void storedColour()
    {
        QFETCH(qint32, stored);
        // Every role the table uses has a colour of its own.
        QPalette palette;
        palette.setColor(QPalette::Active, QPalette::Text, QColor(1, 1, 1));
        palette.setColor(QPalette::Active, QPalette::Base, QColor(2, 2, 2));
        palette.setColor(QPalette::Active, QPalette::Button, QColor(3, 3, 3));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(4, 4, 4));
        palette.setColor(QPalette::Active, QPalette::WindowText, QColor(7, 7, 7));
        QTEST(colorFromStored(stored, palette), "expected");
        if (stored >= 0) // an explicit colour is stored back as it was read
            QTEST(storedFromColor(colorFromStored(stored, palette)), "stored");
    }

    // Additions and fixes drawn on the lists' background must stay readable in a dark theme.
    void changeColourStaysReadable_data()
    {
        const auto row = addColumns<QColor, QColor, QColor>({"color", "background", "drawn"});
        row("dark blue on white kept", QColor(0, 0, 128), QColor(Qt::white), QColor(0, 0, 128));
        row("dark red on white kept", QColor(128, 0, 0), QColor(Qt::white), QColor(128, 0, 0));
        row("dark blue on dark grey lightened", QColor(0, 0, 128), QColor(45, 45, 45),
            QColor::fromHslF(2.0f / 3.0f, 1.0f, 0.75f));
        row("white on white turns black", QColor(Qt::white), QColor(Qt::white), QColor(Qt::black));
    }
    void changeColourStaysReadable()
    {
        auto [color, background, drawn] = fetch<QColor, QColor, QColor>({"color", "background", "drawn"});
        QCOMPARE(readableOn(color, background).rgb(), drawn.rgb());
    }
};

QTEST_MAIN(tst_SystemColors)
#include "tst_SystemColors.moc"
