#include "stats/WeekdaysChart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QHelpEvent>
#include <QLegend>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace {

// Room kept free between two day names.
constexpr int LabelGap = 6;

// A category axis takes every name once; a day format that gives several days one text (or none)
// still needs seven categories, told apart by zero-width spaces.
QStringList distinctNames(QStringList names)
{
    for (int i = 1; i < names.size(); ++i) {
        while (names.indexOf(names[i]) < i)
            names[i] += QChar(0x200B);
    }
    return names;
}

} // namespace

WeekdaysChart::WeekdaysChart(QWidget *parent)
    : StatisticsChartView(parent)
{
    setObjectName(QStringLiteral("chtWeekdays"));
    m_additions = new QBarSet(QStringLiteral("Additions"));
    m_fixes = new QBarSet(QStringLiteral("Fixes"));
    m_series = new QBarSeries(this);
    m_series->append(m_additions);
    m_series->append(m_fixes);
    QChart *c = chart();
    c->addSeries(m_series);
    m_days = new QBarCategoryAxis(this);
    // Qt cuts day names short well before they would touch; fitToPlotArea shortens them itself.
    m_days->setTruncateLabels(false);
    m_counts = new QValueAxis(this);
    c->addAxis(m_days, Qt::AlignBottom);
    c->addAxis(m_counts, Qt::AlignLeft);
    m_series->attachAxis(m_days);
    m_series->attachAxis(m_counts);
    c->legend()->setAlignment(Qt::AlignBottom);
    applyLook();
}

void WeekdaysChart::setSeries(const std::vector<StatisticsChartSeries::WeekdayBar> &bars)
{
    if (bars == m_bars)
        return;
    QList<qreal> additions;
    QList<qreal> fixes;
    for (const StatisticsChartSeries::WeekdayBar &bar : bars) {
        additions << static_cast<qreal>(bar.additions);
        fixes << static_cast<qreal>(bar.fixes);
    }
    // Same number of days: the values are replaced where they stand, the bars are not made anew.
    if (m_additions->count() == additions.size()) {
        for (int i = 0; i < additions.size(); ++i) {
            m_additions->replace(i, additions[i]);
            m_fixes->replace(i, fixes[i]);
        }
    } else {
        m_additions->remove(0, m_additions->count());
        m_fixes->remove(0, m_fixes->count());
        m_additions->append(additions);
        m_fixes->append(fixes);
    }
    m_bars = bars;
    fitToPlotArea();
}

void WeekdaysChart::colorSeries()
{
    m_additions->setColor(additionsColor());
    m_additions->setBorderColor(additionsColor());
    m_fixes->setColor(fixesColor());
    m_fixes->setBorderColor(fixesColor());
}

void WeekdaysChart::fitToPlotArea()
{
    qint64 largest = 0;
    for (const StatisticsChartSeries::WeekdayBar &bar : m_bars)
        largest = std::max({largest, bar.additions, bar.fixes});
    setCountRange(m_counts, largest);

    // Day names too wide for their room are cut to their first three letters, as the usual short
    // names are, or to two or one when three do not fit either; "Tuesda" would read as a slip.
    const QFontMetrics metrics(m_days->labelsFont());
    const qreal room = chart()->plotArea().width() / std::max<std::size_t>(1, m_bars.size()) - LabelGap;
    QStringList names;
    qsizetype longest = 0;
    for (const StatisticsChartSeries::WeekdayBar &bar : m_bars) {
        names << bar.dayName;
        longest = std::max(longest, bar.dayName.size());
    }
    const auto fit = [&](qsizetype letters) {
        return std::all_of(names.begin(), names.end(), [&](const QString &name) {
            return metrics.horizontalAdvance(name.left(letters)) <= room;
        });
    };
    qsizetype letters = longest;
    for (const qsizetype shorter : {3, 2, 1}) {
        if (fit(letters))
            break;
        letters = std::min(letters, shorter);
    }
    for (QString &name : names)
        name.truncate(letters);
    names = distinctNames(names);
    if (names != m_days->categories())
        m_days->setCategories(names);
}

bool WeekdaysChart::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return StatisticsChartView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QPointF at = chart()->mapFromScene(mapToScene(help->pos()));
    // Day i stands at i on the category axis.
    const std::optional<std::size_t> day =
        chart()->plotArea().contains(at)
            ? StatisticsChartSeries::pointAt(chart()->mapToValue(at, m_series).x(), 0, m_bars.size())
            : std::nullopt;
    if (!day) {
        QToolTip::hideText();
        return true;
    }
    const QRectF plot = chart()->plotArea();
    const qreal width = plot.width() / static_cast<qreal>(m_bars.size());
    const QRectF strip(plot.left() + width * static_cast<qreal>(*day), plot.top(), width, plot.height());
    QToolTip::showText(help->globalPos(), StatisticsChartSeries::weekdayTip(m_bars[*day]), viewport(),
                       mapFromScene(chart()->mapToScene(strip)).boundingRect());
    return true;
}
