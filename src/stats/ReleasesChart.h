#pragma once

#include "stats/StatisticsChartSeries.h"
#include "stats/StatisticsChartView.h"

#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// Additions and fixes of every release over time, oldest on the left, one step per release; the
// selected releases are marked on both lines, under the lines and no wider than the step between
// releases, so that the lines stay readable whatever is selected. Hovering a point names its
// release.
class ReleasesChart : public StatisticsChartView
{
    Q_OBJECT

public:
    explicit ReleasesChart(QWidget *parent = nullptr);

    // Shows these releases. When only the marks differ from what is shown, only the marks move.
    void setSeries(const std::vector<StatisticsChartSeries::ReleasePoint> &points);

protected:
    void colorSeries() override;
    void fitToPlotArea() override;

private:
    void setLines(const std::vector<StatisticsChartSeries::ReleasePoint> &points);
    void setMarks(const std::vector<StatisticsChartSeries::ReleasePoint> &points);
    void showPoint(const QPointF &point, bool state);

    QLineSeries *m_additions = nullptr;
    QLineSeries *m_fixes = nullptr;
    QScatterSeries *m_selected = nullptr;
    QScatterSeries *m_selectedInLegend = nullptr; // never holds a point
    QValueAxis *m_releases = nullptr;
    QValueAxis *m_counts = nullptr;
    std::vector<StatisticsChartSeries::ReleasePoint> m_points;
};
