#include "DataTable.h"

#include "stats/ReleasesChart.h"
#include "stats/WeekdaysChart.h"

#include <QAbstractAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QTest>
#include <QXYSeries>

static const QColor Additions(0, 0, 128);
static const QColor Fixes(128, 0, 0);

static QList<qreal> values(const QBarSet *set)
{
    QList<qreal> out;
    for (int i = 0; i < set->count(); ++i)
        out << set->at(i);
    return out;
}

static QList<QPointF> points(const QChart *chart, int series)
{
    return static_cast<const QXYSeries *>(chart->series().at(series))->points();
}

class tst_StatisticsCharts : public QObject
{
    Q_OBJECT

private slots:
    void weekdayBarsShowTheSeries()
    {
        WeekdaysChart chart;
        chart.setColors(Additions, Fixes);
        std::vector<StatisticsChartSeries::WeekdayBar> bars;
        for (int day = 0; day < 7; ++day)
            bars.push_back({QStringLiteral("Day %1").arg(day), day, 10 - day});
        chart.setSeries(bars);
        const QList<QBarSet *> sets = static_cast<QBarSeries *>(chart.chart()->series().at(0))->barSets();
        QCOMPARE(values(sets[0]), (QList<qreal>{0, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(values(sets[1]), (QList<qreal>{10, 9, 8, 7, 6, 5, 4}));
        QCOMPARE((QList<QColor>{sets[0]->color(), sets[1]->color()}), (QList<QColor>{Additions, Fixes}));

        // Another selection replaces the values in the bars already there.
        bars[3].additions = 42;
        chart.setSeries(bars);
        QCOMPARE(static_cast<QBarSeries *>(chart.chart()->series().at(0))->barSets(), sets);
        QCOMPARE(sets[0]->at(3), 42.0);
    }

    void releasesMarkTheSelection()
    {
        ReleasesChart chart;
        std::vector<StatisticsChartSeries::ReleasePoint> releases{
            {"k9", "6.0", "", 1, 0, false}, {"k4", "7.0", "", 3, 2, true}, {"k0", "8.0", "", 5, 4, false}};
        chart.setSeries(releases);
        releases[1].selected = false;
        releases[2].selected = true;
        chart.setSeries(releases);
        // Additions, fixes, then the marks on both at the selected release.
        QCOMPARE(points(chart.chart(), 0), (QList<QPointF>{{1, 1}, {2, 3}, {3, 5}}));
        QCOMPARE(points(chart.chart(), 1), (QList<QPointF>{{1, 0}, {2, 2}, {3, 4}}));
        QCOMPARE(points(chart.chart(), 2), (QList<QPointF>{{3, 5}, {3, 4}}));
    }

    void followsThePalette_data()
    {
        const auto row = addColumns<QColor, QColor, int, QColor>({"window", "text", "theme", "additions"});
        row("light", QColor(240, 240, 240), QColor(Qt::black), int(QChart::ChartThemeLight), Additions);
        // Dark blue bars would vanish on a dark chart; they are drawn in a light blue.
        row("dark", QColor(40, 40, 40), QColor(230, 230, 230), int(QChart::ChartThemeDark),
            QColor(127, 127, 255));
    }
    void followsThePalette()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        WeekdaysChart chart;
        chart.setColors(Additions, Fixes);
        QPalette palette = chart.palette();
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::Base, window);
        palette.setColor(QPalette::Text, text);
        chart.setPalette(palette);
        QTEST(int(chart.chart()->theme()), "theme");
        for (const QAbstractAxis *axis : chart.chart()->axes())
            QCOMPARE(axis->labelsBrush().color(), text);
        QCOMPARE(chart.chart()->backgroundBrush().color(), window);
        // The theme resets the series' colours; the chart gives them back.
        QFETCH(QColor, additions);
        QCOMPARE(static_cast<QBarSeries *>(chart.chart()->series().at(0))->barSets().at(0)->color().rgb(),
                 additions.rgb());
    }
};

QTEST_MAIN(tst_StatisticsCharts)
#include "tst_StatisticsCharts.moc"
