#pragma once

#include <QChartView>
#include <QColor>

class QValueAxis;

// What the two statistics charts share: a chart that follows the widget's palette and font (a dark
// chart theme on a dark window), the colours of additions and fixes, axes whose ticks follow the
// room the chart has, and Ctrl+C copying the chart as an image. The series are made once; new
// numbers only replace their values.
class StatisticsChartView : public QChartView
{
    Q_OBJECT

public:
    explicit StatisticsChartView(QWidget *parent = nullptr);

    // The colours of additions and fixes. They are drawn readable on the chart's background, which
    // follows the palette and so may differ from the background the colours were chosen for.
    void setColors(const QColor &additions, const QColor &fixes);
    QColor additionsColor() const;
    QColor fixesColor() const;

    // The chart as it is drawn, without the focus mark.
    QImage image();
    // Puts image() on the clipboard.
    void copyImage();

protected:
    // Takes the palette, font and colours into the chart, its axes and series. Subclasses call it
    // once their series and axes are in the chart.
    void applyLook();
    // Gives the series their colours again: the chart theme that applyLook sets resets them.
    virtual void colorSeries() = 0;
    // Fits ticks and labels to the plot area; called when it changes and after new numbers.
    virtual void fitToPlotArea() = 0;

    // How many ticks a plot `length` long holds when each label needs `labelExtent`: 1 to 5.
    static int ticksFor(qreal length, int labelExtent);
    // A step of 1, 2 or 5 times a power of ten that cuts 0 to `largest` into at most `ticks`.
    static qint64 wholeStep(qint64 largest, int ticks);
    // A range from 0 in whole steps that keeps `largest` below its top, labelled in whole numbers.
    void setCountRange(QValueAxis *axis, qint64 largest) const;

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QColor m_additions{0x00, 0x00, 0x80};
    QColor m_fixes{0x80, 0x00, 0x00};
    QMargins m_roomyMargins;
    bool m_applying = false;
    bool m_looked = false; // applyLook ran once: the subclass has made its series
};
