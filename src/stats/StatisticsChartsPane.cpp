#include "stats/StatisticsChartsPane.h"

#include "stats/ReleasesChart.h"
#include "stats/WeekdaysChart.h"

#include <algorithm>

namespace {

// The gap between the charts when they are not lined up with the lists yet.
constexpr int Gap = 3;

} // namespace

StatisticsChartsPane::StatisticsChartsPane(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picCharts"));
    m_releases = new ReleasesChart(this);
    m_weekdays = new WeekdaysChart(this);
}

void StatisticsChartsPane::lineUpWith(const QWidget *releaseList, const QWidget *weekdayList)
{
    m_releasesWidth = releaseList->width();
    m_weekdaysLeft = weekdayList->x();
    arrange();
}

void StatisticsChartsPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void StatisticsChartsPane::arrange()
{
    const int w = width();
    const int h = height();
    const bool lined = m_releasesWidth >= 0;
    const int releasesWidth = std::clamp(lined ? m_releasesWidth : (w - Gap) / 2, 0, w);
    const int weekdaysLeft = std::clamp(lined ? m_weekdaysLeft : releasesWidth + Gap, releasesWidth, w);
    m_releases->setGeometry(0, 0, releasesWidth, h);
    m_weekdays->setGeometry(weekdaysLeft, 0, w - weekdaysLeft, h);
}
