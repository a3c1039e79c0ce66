#include "stats/ReleasesChart.h"

#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace {

// A mark is as wide as the room between two releases, within these bounds: marks of neighbours
// meet rather than pile up, and one release alone is not drawn as a large disc.
constexpr qreal LargestMark = 9;
constexpr qreal SmallestMark = 5;
// The marks lie under the lines and let them show through.
constexpr int MarkAlpha = 160;

// The points equal but for their marks.
bool sameReleases(const std::vector<StatisticsChartSeries::ReleasePoint> &a,
                  const std::vector<StatisticsChartSeries::ReleasePoint> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](auto x, auto y) {
        x.selected = y.selected;
        return x == y;
    });
}

} // namespace

ReleasesChart::ReleasesChart(QWidget *parent)
    : StatisticsChartView(parent)
{
    setObjectName(QStringLiteral("chtReleases"));
    m_additions = new QLineSeries(this);
    m_additions->setName(QStringLiteral("Additions"));
    m_fixes = new QLineSeries(this);
    m_fixes->setName(QStringLiteral("Fixes"));
    m_selected = new QScatterSeries(this);
    m_selected->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_selected->setMarkerSize(LargestMark);
    // The legend lists the series in the order they are drawn; an empty twin of the marks, drawn
    // last, names them after the lines while the marks themselves lie under the lines.
    m_selectedInLegend = new QScatterSeries(this);
    m_selectedInLegend->setName(QStringLiteral("Selected"));
    m_selectedInLegend->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_selectedInLegend->setMarkerSize(LargestMark);
    m_releases = new QValueAxis(this);
    m_releases->setTitleText(QStringLiteral("Releases, oldest first"));
    m_counts = new QValueAxis(this);
    QChart *c = chart();
    c->addAxis(m_releases, Qt::AlignBottom);
    c->addAxis(m_counts, Qt::AlignLeft);
    for (QXYSeries *series :
         std::initializer_list<QXYSeries *>{m_selected, m_additions, m_fixes, m_selectedInLegend}) {
        c->addSeries(series);
        series->attachAxis(m_releases);
        series->attachAxis(m_counts);
    }
    c->legend()->setAlignment(Qt::AlignBottom);
    applyLook();
}

void ReleasesChart::setSeries(const std::vector<StatisticsChartSeries::ReleasePoint> &points)
{
    if (points == m_points)
        return;
    // A new selection leaves the lines as they are.
    const bool newLines = !sameReleases(points, m_points);
    if (newLines)
        setLines(points);
    setMarks(points);
    m_points = points;
    if (newLines)
        fitToPlotArea();
}

void ReleasesChart::setLines(const std::vector<StatisticsChartSeries::ReleasePoint> &points)
{
    QList<QPointF> additions;
    QList<QPointF> fixes;
    additions.reserve(static_cast<qsizetype>(points.size()));
    fixes.reserve(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const qreal x = static_cast<qreal>(i + 1);
        additions << QPointF(x, static_cast<qreal>(points[i].additions));
        fixes << QPointF(x, static_cast<qreal>(points[i].fixes));
    }
    m_additions->replace(additions);
    m_fixes->replace(fixes);
}

void ReleasesChart::setMarks(const std::vector<StatisticsChartSeries::ReleasePoint> &points)
{
    QList<QPointF> marks;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!points[i].selected)
            continue;
        const qreal x = static_cast<qreal>(i + 1);
        marks << QPointF(x, static_cast<qreal>(points[i].additions))
              << QPointF(x, static_cast<qreal>(points[i].fixes));
    }
    m_selected->replace(marks);
}

void ReleasesChart::colorSeries()
{
    QPen additions(additionsColor(), 2);
    m_additions->setPen(additions);
    QPen fixes(fixesColor(), 2);
    m_fixes->setPen(fixes);
    QColor mark = palette().color(QPalette::Highlight);
    mark.setAlpha(MarkAlpha);
    for (QScatterSeries *marks : {m_selected, m_selectedInLegend}) {
        marks->setColor(mark);
        marks->setBorderColor(Qt::transparent);
    }
    for (QLegendMarker *marker : chart()->legend()->markers(m_selected))
        marker->setVisible(false);
}

void ReleasesChart::fitToPlotArea()
{
    qint64 largest = 0;
    for (const StatisticsChartSeries::ReleasePoint &point : m_points)
        largest = std::max({largest, point.additions, point.fixes});
    setCountRange(m_counts, largest);

    // Release numbers on the time axis, half a release of room at both ends.
    const qint64 count = std::max<qint64>(1, static_cast<qint64>(m_points.size()));
    const int labelWidth = QFontMetrics(m_releases->labelsFont()).horizontalAdvance(QString::number(count));
    m_releases->setTickType(QValueAxis::TicksDynamic);
    m_releases->setTickAnchor(0);
    m_releases->setTickInterval(
        static_cast<qreal>(wholeStep(count, ticksFor(chart()->plotArea().width(), labelWidth))));
    m_releases->setLabelFormat(QStringLiteral("%d"));
    m_releases->setRange(0.5, static_cast<qreal>(count) + 0.5);

    const qreal spacing = chart()->plotArea().width() / static_cast<qreal>(count);
    m_selected->setMarkerSize(std::clamp(spacing, SmallestMark, LargestMark));
}

void ReleasesChart::setDateFormat(const QString &format)
{
    m_dateFormat = format;
}

std::optional<std::size_t> ReleasesChart::releaseAt(QPoint position) const
{
    const QPointF at = chart()->mapFromScene(mapToScene(position));
    if (!chart()->plotArea().contains(at))
        return std::nullopt;
    // Release i stands at i + 1 on the time axis.
    return StatisticsChartSeries::pointAt(chart()->mapToValue(at, m_additions).x(), 1, m_points.size());
}

QRect ReleasesChart::stripOf(std::size_t release) const
{
    const QRectF plot = chart()->plotArea();
    const qreal middle = static_cast<qreal>(release + 1);
    const qreal left = chart()->mapToPosition(QPointF(middle - 0.5, 0), m_additions).x();
    const qreal right = chart()->mapToPosition(QPointF(middle + 0.5, 0), m_additions).x();
    const QRectF strip(QPointF(left, plot.top()), QPointF(right, plot.bottom()));
    return mapFromScene(chart()->mapToScene(strip)).boundingRect();
}

bool ReleasesChart::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return StatisticsChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    if (const std::optional<std::size_t> release = releaseAt(help->pos())) {
        // The tip goes as the mouse leaves the strip, and the next strip brings its own.
        QToolTip::showText(help->globalPos(),
                           StatisticsChartSeries::releaseTip(m_points[*release], m_dateFormat), viewport(),
                           stripOf(*release));
    } else {
        QToolTip::hideText();
    }
    return true;
}

void ReleasesChart::mousePressEvent(QMouseEvent *event)
{
    StatisticsChartView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<std::size_t> release = releaseAt(event->position().toPoint()))
        emit releaseClicked(m_points[*release].key, event->modifiers());
}
