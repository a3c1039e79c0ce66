#pragma once

#include "stats/StatisticsChartSeries.h"
#include "stats/StatisticsChartView.h"

#include <vector>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// Additions and fixes of every release over time, oldest on the left, one step per release; the
// selected releases are marked on both lines, under the lines and no wider than the step between
// releases, so that the lines stay readable whatever is selected. Each release owns the strip of
// the plot around its points: hovering it tells the release and its counts, clicking it chooses
// the release.
class ReleasesChart : public StatisticsChartView
{
    Q_OBJECT

public:
    explicit ReleasesChart(QWidget *parent = nullptr);

    // Shows these releases. When only the marks differ from what is shown, only the marks move.
    void setSeries(const std::vector<StatisticsChartSeries::ReleasePoint> &points);
    // The date format of the hover texts, as the release list's.
    void setDateFormat(const QString &format);

signals:
    // A left click on the strip of the release with this key.
    void releaseClicked(const QString &key, Qt::KeyboardModifiers modifiers);

protected:
    void colorSeries() override;
    void fitToPlotArea() override;
    bool viewportEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setLines(const std::vector<StatisticsChartSeries::ReleasePoint> &points);
    void setMarks(const std::vector<StatisticsChartSeries::ReleasePoint> &points);
    // The release whose strip holds this point of the viewport, and that strip.
    std::optional<std::size_t> releaseAt(QPoint position) const;
    QRect stripOf(std::size_t release) const;

    QLineSeries *m_additions = nullptr;
    QLineSeries *m_fixes = nullptr;
    QScatterSeries *m_selected = nullptr;
    QScatterSeries *m_selectedInLegend = nullptr; // never holds a point
    QValueAxis *m_releases = nullptr;
    QValueAxis *m_counts = nullptr;
    std::vector<StatisticsChartSeries::ReleasePoint> m_points;
    QString m_dateFormat;
};
