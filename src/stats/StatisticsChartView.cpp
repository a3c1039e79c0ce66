#include "stats/StatisticsChartView.h"

#include "widgets/SystemColors.h"

#include <QAbstractAxis>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLegend>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace {

// Below this lightness a window counts as dark, and the chart takes the dark theme.
constexpr int DarkLightness = 128;
constexpr int MostTicks = 5;
constexpr int FocusWidth = 2;
// Below this many lines of text in height, legend and axis titles would leave the plot no room.
constexpr int RoomyLines = 10;

} // namespace

StatisticsChartView::StatisticsChartView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    chart()->setAnimationOptions(QChart::NoAnimation);
    m_roomyMargins = chart()->margins();
    connect(chart(), &QChart::plotAreaChanged, this, [this] {
        if (m_looked)
            fitToPlotArea();
    });
}

void StatisticsChartView::setColors(const QColor &additions, const QColor &fixes)
{
    m_additions = additions;
    m_fixes = fixes;
    colorSeries();
}

QColor StatisticsChartView::additionsColor() const
{
    return readableOn(m_additions, palette().color(QPalette::Base));
}

QColor StatisticsChartView::fixesColor() const
{
    return readableOn(m_fixes, palette().color(QPalette::Base));
}

void StatisticsChartView::applyLook()
{
    // Setting the chart's fonts and brushes must not come back here as a change of the widget.
    m_applying = true;
    m_looked = true;
    const QPalette p = palette();
    const bool dark = p.color(QPalette::Window).lightness() < DarkLightness;
    QChart *c = chart();
    c->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    c->setBackgroundRoundness(0);
    c->setBackgroundBrush(p.brush(QPalette::Base));
    c->setBackgroundPen(Qt::NoPen);
    c->setPlotAreaBackgroundVisible(false);
    c->setTitleBrush(p.brush(QPalette::Text));
    c->setTitleFont(font());
    c->legend()->setLabelColor(p.color(QPalette::Text));
    c->legend()->setFont(font());
    QColor grid = p.color(QPalette::Text);
    grid.setAlpha(48);
    const QList<QAbstractAxis *> axes = c->axes();
    for (QAbstractAxis *axis : axes) {
        axis->setLabelsBrush(p.brush(QPalette::Text));
        axis->setLabelsFont(font());
        axis->setTitleBrush(p.brush(QPalette::Text));
        axis->setTitleFont(font());
        axis->setLinePenColor(p.color(QPalette::Mid));
        axis->setGridLineColor(grid);
        axis->setMinorGridLineColor(grid);
    }
    setBackgroundBrush(p.brush(QPalette::Base));
    colorSeries();
    fitToPlotArea();
    m_applying = false;
}

int StatisticsChartView::ticksFor(qreal length, int labelExtent)
{
    // Twice the label's extent per tick leaves a label's room free between two labels.
    const qreal ticks = length / std::max(1, 2 * labelExtent);
    return static_cast<int>(std::clamp<qreal>(ticks, 1, MostTicks));
}

qint64 StatisticsChartView::wholeStep(qint64 largest, int ticks)
{
    ticks = std::max(1, ticks);
    for (qint64 power = 1;; power *= 10) {
        for (qint64 step : {power, 2 * power, 5 * power}) {
            if (largest <= step * ticks)
                return step;
        }
    }
}

void StatisticsChartView::setCountRange(QValueAxis *axis, qint64 largest) const
{
    const int labelHeight = QFontMetrics(axis->labelsFont()).height();
    const qint64 step = wholeStep(largest, ticksFor(chart()->plotArea().height(), labelHeight));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(static_cast<qreal>(step));
    axis->setLabelFormat(QStringLiteral("%d"));
    // The whole step above the largest count, so that its bar never touches the top.
    const qint64 top = (largest / step + 1) * step;
    axis->setRange(0, static_cast<qreal>(top));
}

QImage StatisticsChartView::image()
{
    const qreal ratio = devicePixelRatioF();
    QImage image(viewport()->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Base));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The scene alone: the focus mark belongs to the widget, not to the chart.
    render(&painter, QRectF(QPointF(0, 0), viewport()->size()), viewport()->rect());
    return image;
}

void StatisticsChartView::copyImage()
{
    QGuiApplication::clipboard()->setImage(image());
}

void StatisticsChartView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyImage();
        event->accept();
        return;
    }
    QChartView::keyPressEvent(event);
}

void StatisticsChartView::resizeEvent(QResizeEvent *event)
{
    // A low chart keeps its plot, without the legend, the axis titles and the room around them; a
    // narrow one without that room.
    const int line = fontMetrics().height();
    const bool roomy = event->size().height() >= RoomyLines * line;
    const bool wide = event->size().width() >= 2 * RoomyLines * line;
    chart()->setMargins(roomy && wide ? m_roomyMargins : QMargins());
    chart()->legend()->setVisible(roomy);
    const QList<QAbstractAxis *> axes = chart()->axes();
    for (QAbstractAxis *axis : axes)
        axis->setTitleVisible(roomy);
    QChartView::resizeEvent(event);
}

void StatisticsChartView::changeEvent(QEvent *event)
{
    QChartView::changeEvent(event);
    if (m_looked && !m_applying &&
        (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange))
        applyLook();
}

void StatisticsChartView::paintEvent(QPaintEvent *event)
{
    QChartView::paintEvent(event);
    if (!hasFocus())
        return;
    // A chart has no cursor to show it takes Ctrl+C: its edge lights up instead.
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), FocusWidth));
    painter.setBrush(Qt::NoBrush);
    const int inset = FocusWidth / 2;
    painter.drawRect(viewport()->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
}

void StatisticsChartView::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void StatisticsChartView::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}
