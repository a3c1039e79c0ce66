#include "mainwin/DisplaySettings.h"
#include "widgets/SystemColors.h"

#include <QApplication>
#include <QTest>

class tst_SystemColors : public QObject
{
    Q_OBJECT

private slots:
    void storedColour_data()
    {
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("explicit 128 is dark red") << qint32(128) << QColor(128, 0, 0);
        QTest::newRow("explicit bytes are blue green red") << qint32(0x00336699) << QColor(0x99, 0x66, 0x33);
        QTest::newRow("8 window text") << SystemWindowTextColor << QColor(1, 1, 1);
        QTest::newRow("5 window") << SystemWindowColor << QColor(2, 2, 2);
        QTest::newRow("15 button face") << qint32(0x8000000Fu) << QColor(3, 3, 3);
        QTest::newRow("17 gray text is disabled text") << qint32(0x80000011u) << QColor(4, 4, 4);
        QTest::newRow("9 caption text") << qint32(0x80000009u) << QColor(7, 7, 7);
        QTest::newRow("unknown number is text") << qint32(0x80000063u) << QColor(1, 1, 1);
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
    }

    void chosenColourStoredAsBlueGreenRed()
    {
        QCOMPARE(storedFromColor(QColor(0x99, 0x66, 0x33)), qint32(0x00336699));
    }

    // Additions and fixes drawn on the lists' background must stay readable in a dark theme.
    void changeColourStaysReadable_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("dark blue on white kept")
            << QColor(0, 0, 128) << QColor(Qt::white) << QColor(0, 0, 128);
        QTest::newRow("dark red on white kept")
            << QColor(128, 0, 0) << QColor(Qt::white) << QColor(128, 0, 0);
        QTest::newRow("dark blue on dark grey lightened")
            << QColor(0, 0, 128) << QColor(45, 45, 45) << QColor::fromHslF(2.0f / 3.0f, 1.0f, 0.75f);
        QTest::newRow("white on white turns black")
            << QColor(Qt::white) << QColor(Qt::white) << QColor(Qt::black);
    }
    void changeColourStaysReadable()
    {
        QFETCH(QColor, color);
        QFETCH(QColor, background);
        QFETCH(QColor, drawn);
        QCOMPARE(readableOn(color, background).rgb(), drawn.rgb());
    }
};

QTEST_MAIN(tst_SystemColors)
#include "tst_SystemColors.moc"
