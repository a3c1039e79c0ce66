#pragma once

#include <QWidget>

class ReleasesChart;
class WeekdaysChart;

// The charts below the statistics lists: the releases over time under the release list, the
// weekday bars under the weekday list, each as wide as the list above it.
class StatisticsChartsPane : public QWidget
{
    Q_OBJECT

public:
    explicit StatisticsChartsPane(QWidget *parent = nullptr);

    ReleasesChart *releases() const { return m_releases; }
    WeekdaysChart *weekdays() const { return m_weekdays; }

    // Lines the charts up under the two lists, which lie side by side in a container as wide as
    // this pane and at the same left edge.
    void lineUpWith(const QWidget *releaseList, const QWidget *weekdayList);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange();

    ReleasesChart *m_releases = nullptr;
    WeekdaysChart *m_weekdays = nullptr;
    int m_releasesWidth = -1; // as the release list; -1 until lined up: half the pane
    int m_weekdaysLeft = -1;
};
