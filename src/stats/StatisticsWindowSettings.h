#pragma once

#include <QDebug>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// Keys of section "Velomir" that the statistics window keeps.
inline const QString StatisticsWindowPositionKey = QStringLiteral("StatisticsWindowPosition");
inline const QString StatisticsGridLinesKey = QStringLiteral("StatisticsGridLines");
inline const QString StatisticsHeadersSizeKey = QStringLiteral("StatisticsHeadersSize");
inline const QString StatisticsHeadersSize2Key = QStringLiteral("StatisticsHeadersSize2");
inline const QString StatisticsSortedColumnKey = QStringLiteral("StatisticsSortedColumn");
inline const QString StatisticsSortOrderKey = QStringLiteral("StatisticsSortOrder");
inline const QString StatisticsSortedColumn2Key = QStringLiteral("StatisticsSortedColumn2");
inline const QString StatisticsSortOrder2Key = QStringLiteral("StatisticsSortOrder2");
inline const QString StatisticsSplitPositionKey = QStringLiteral("StatisticsSplitPosition");
inline const QString StatisticsChartSplitPositionKey = QStringLiteral("StatisticsChartSplitPosition");

// The order a statistics list is sorted in; the values are the ones the settings hold.
enum class StatisticsSortOrder { Ascending = 0, Descending = 1 };

// How the statistics window looked when it was last closed. Twips throughout; "1" list is the
// weekday summary (4 columns), "2" the release list (5 columns). Sort columns count from 1.
struct StatisticsWindowSettings
{
    static constexpr int SummaryColumns = 4;
    static constexpr int ReleaseColumns = 5;

    double Top = 0;
    double Left = 0;
    double Height = 7020;
    double Width = 17685;
    bool GridLines = false;
    // A width not given in the setting leaves the column at its default.
    std::array<std::optional<double>, SummaryColumns> HeadersSize{1500, 1500, 1500, 1500};
    std::array<std::optional<double>, ReleaseColumns> HeadersSize2{1275, 1244, 4364, 1260, 1275};
    int SortedColumn = 2;
    StatisticsSortOrder SortOrder = StatisticsSortOrder::Descending;
    int SortedColumn2 = 2;
    StatisticsSortOrder SortOrder2 = StatisticsSortOrder::Descending;
    double SplitPosition = 10350;
    // The bar between the lists above and the charts below, from the top: room for the weekday
    // list's nine rows at the default font, the rest of the default window for the charts.
    double ChartSplitPosition = 3000;

    bool operator==(const StatisticsWindowSettings &) const = default;

    using SettingReader = std::function<QString(const QString &key, const QString &defaultValue)>;
    using SettingWriter = std::function<void(const QString &key, const QString &value)>;

    // Widths and coordinates read as the number each part begins with (0 when it begins with
    // none); a part that is missing keeps its default. Sort and split values that are not numbers,
    // and sort columns the list does not have, keep theirs too.
    static StatisticsWindowSettings load(const SettingReader &read);

    // Everything but the grid lines, which are only ever read.
    void save(const SettingWriter &write) const;
};

// The number a text begins with, blanks in front skipped: "12px" is 12, "x" is 0.
double leadingNumber(QStringView text);

QDebug operator<<(QDebug debug, const StatisticsWindowSettings &settings);
