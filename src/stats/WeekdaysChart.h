#pragma once

#include "stats/StatisticsChartSeries.h"
#include "stats/StatisticsChartView.h"

#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QValueAxis;

// Additions and fixes per weekday of the selected releases, as pairs of bars, Sunday first.
// Hovering a day tells its name and counts.
class WeekdaysChart : public StatisticsChartView
{
    Q_OBJECT

public:
    explicit WeekdaysChart(QWidget *parent = nullptr);

    // Shows these numbers; the same numbers again change nothing.
    void setSeries(const std::vector<StatisticsChartSeries::WeekdayBar> &bars);

protected:
    void colorSeries() override;
    void fitToPlotArea() override;
    bool viewportEvent(QEvent *event) override;

private:
    QBarSeries *m_series = nullptr;
    QBarSet *m_additions = nullptr;
    QBarSet *m_fixes = nullptr;
    QBarCategoryAxis *m_days = nullptr;
    QValueAxis *m_counts = nullptr;
    std::vector<StatisticsChartSeries::WeekdayBar> m_bars;
};
