#include "stats/StatisticsWindowSettings.h"

#include <QStringList>

#include <cmath>

namespace {

QString wholeNumber(double value)
{
    return QString::number(static_cast<qint64>(std::floor(value)));
}

template <std::size_t N> void readWidths(const QString &text, std::array<std::optional<double>, N> &widths)
{
    const QStringList parts = text.split(u',');
    for (std::size_t i = 0; i < N && qsizetype(i) < parts.size(); ++i)
        widths[i] = leadingNumber(parts[qsizetype(i)]);
}

template <std::size_t N> QString joinWidths(const std::array<std::optional<double>, N> &widths)
{
    QStringList parts;
    for (const std::optional<double> &width : widths)
        parts << wholeNumber(width.value_or(0));
    return parts.join(u',');
}

QString sortOrderText(StatisticsSortOrder order)
{
    return QString::number(static_cast<int>(order));
}

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 2e9)
        return std::nullopt;
    return value;
}

// The sort the list ends up with after its order was set one off and the column clicked once.
void readSort(const QString &columnText, const QString &orderText, int columns, int &column,
              StatisticsSortOrder &order)
{
    if (const std::optional<double> c = number(columnText)) {
        const int rounded = static_cast<int>(std::lround(*c));
        if (rounded >= 1 && rounded <= columns)
            column = rounded;
    }
    if (const std::optional<double> o = number(orderText))
        order = std::lround(*o) % 2 == 0 ? StatisticsSortOrder::Ascending : StatisticsSortOrder::Descending;
}

const QString DefaultPosition = QStringLiteral("0,0,7020,17685");
const QString DefaultHeadersSize = QStringLiteral("1500,1500,1500,1500");
const QString DefaultHeadersSize2 = QStringLiteral("1275,1244,4364,1260,1275");

} // namespace

double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
        ++i;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
    }
    bool ok = false;
    const double value = text.sliced(start, i - start).toString().toDouble(&ok);
    return ok ? value : 0;
}

StatisticsWindowSettings StatisticsWindowSettings::load(const SettingReader &read)
{
    StatisticsWindowSettings s;

    const QStringList place = read(StatisticsWindowPositionKey, DefaultPosition).split(u',');
    const std::array<double *, 4> targets{&s.Top, &s.Left, &s.Height, &s.Width};
    for (qsizetype i = 0; i < qsizetype(targets.size()) && i < place.size(); ++i)
        *targets[i] = leadingNumber(place[i]);

    if (const std::optional<double> grid = number(read(StatisticsGridLinesKey, QStringLiteral("0"))))
        s.GridLines = *grid != 0;

    readWidths(read(StatisticsHeadersSizeKey, DefaultHeadersSize), s.HeadersSize);
    readWidths(read(StatisticsHeadersSize2Key, DefaultHeadersSize2), s.HeadersSize2);

    readSort(read(StatisticsSortedColumnKey, QStringLiteral("2")),
             read(StatisticsSortOrderKey, QStringLiteral("1")), SummaryColumns, s.SortedColumn, s.SortOrder);
    readSort(read(StatisticsSortedColumn2Key, QStringLiteral("2")),
             read(StatisticsSortOrder2Key, QStringLiteral("1")), ReleaseColumns, s.SortedColumn2,
             s.SortOrder2);

    if (const std::optional<double> split = number(read(StatisticsSplitPositionKey, QStringLiteral("10350"))))
        s.SplitPosition = std::round(*split);
    if (const std::optional<double> split =
            number(read(StatisticsChartSplitPositionKey, QStringLiteral("3000"))))
        s.ChartSplitPosition = std::round(*split);
    return s;
}

void StatisticsWindowSettings::save(const SettingWriter &write) const
{
    write(
        StatisticsWindowPositionKey,
        QStringList{wholeNumber(Top), wholeNumber(Left), wholeNumber(Height), wholeNumber(Width)}.join(u','));
    write(StatisticsHeadersSizeKey, joinWidths(HeadersSize));
    write(StatisticsSortedColumnKey, QString::number(SortedColumn));
    write(StatisticsSortOrderKey, sortOrderText(SortOrder));
    write(StatisticsHeadersSize2Key, joinWidths(HeadersSize2));
    write(StatisticsSortedColumn2Key, QString::number(SortedColumn2));
    write(StatisticsSortOrder2Key, sortOrderText(SortOrder2));
    write(StatisticsSplitPositionKey, QString::number(SplitPosition, 'g', 15));
    write(StatisticsChartSplitPositionKey, QString::number(ChartSplitPosition, 'g', 15));
}

QDebug operator<<(QDebug debug, const StatisticsWindowSettings &s)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "StatisticsWindowSettings(" << s.Top << ',' << s.Left << ',' << s.Height << ','
                    << s.Width << " grid " << s.GridLines << " sort " << s.SortedColumn << '/'
                    << sortOrderText(s.SortOrder) << ' ' << s.SortedColumn2 << '/'
                    << sortOrderText(s.SortOrder2) << " split " << s.SplitPosition << '/'
                    << s.ChartSplitPosition << " widths";
    for (const auto &w : s.HeadersSize)
        debug << ' ' << w.value_or(-1);
    debug << " |";
    for (const auto &w : s.HeadersSize2)
        debug << ' ' << w.value_or(-1);
    debug << ')';
    return debug;
}
