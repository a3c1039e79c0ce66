#include "mainwin/SystemColors.h"

#include <QTest>

// Additions and fixes drawn on the lists' background must stay readable in a dark theme.
class tst_ReadableColor : public QObject
{
    Q_OBJECT

private slots:
    void readableOn_data();
    void readableOn();
};

void tst_ReadableColor::readableOn_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("drawn");
    QTest::newRow("dark blue on white kept") << QColor(0, 0, 128) << QColor(Qt::white) << QColor(0, 0, 128);
    QTest::newRow("dark red on white kept") << QColor(128, 0, 0) << QColor(Qt::white) << QColor(128, 0, 0);
    QTest::newRow("dark blue on dark grey lightened") << QColor(0, 0, 128) << QColor(45, 45, 45)
                                                      << QColor::fromHslF(2.0f / 3.0f, 1.0f, 0.75f);
    QTest::newRow("white on white turns black") << QColor(Qt::white) << QColor(Qt::white) << QColor(Qt::black);
}

void tst_ReadableColor::readableOn()
{
    QFETCH(QColor, color);
    QFETCH(QColor, background);
    QFETCH(QColor, drawn);
    QCOMPARE(::readableOn(color, background).rgb(), drawn.rgb());
}

QTEST_GUILESS_MAIN(tst_ReadableColor)
#include "tst_ReadableColor.moc"
