#include "stats/WeekdayStatsModel.h"

#include "stats/StatisticsRoles.h"

namespace {
enum Column { Name, Additions, Fixes, Headers, ColumnCount };
constexpr int RowCount = 9;
} // namespace

WeekdayStatsModel::WeekdayStatsModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_dayNames(7)
{
}

void WeekdayStatsModel::setCounts(const WeekdayCounts &counts, const QStringList &dayNames)
{
    m_counts = counts;
    m_dayNames = dayNames;
    m_dayNames.resize(7);
    emit dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}

int WeekdayStatsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int WeekdayStatsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

qint64 WeekdayStatsModel::count(int row, int column) const
{
    const WeekdayCounts::PerDay &perDay = column == Additions ? m_counts.additions
                                          : column == Fixes   ? m_counts.fixes
                                                              : m_counts.headers;
    if (row != TotalRow)
        return perDay[static_cast<std::size_t>(WeekdayCounts::Sunday) + static_cast<std::size_t>(row)];
    qint64 total = 0;
    for (int k = WeekdayCounts::Sunday; k <= WeekdayCounts::Saturday; ++k)
        total += perDay[static_cast<std::size_t>(k)];
    return total;
}

QVariant WeekdayStatsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    if (role == StatisticsRoles::PinnedBelow)
        return row >= RuleRow;
    const bool sorting = role == StatisticsRoles::SortValue;
    if (role != Qt::DisplayRole && !sorting)
        return {};
    if (index.column() == Name) {
        if (row == RuleRow)
            return QStringLiteral("--------");
        if (row == TotalRow)
            return QStringLiteral("Total");
        // Days sort in the week's order, Sunday first as the list shows them, not by their names.
        return sorting ? QVariant(qint64(row)) : QVariant(m_dayNames[row]);
    }
    if (row == RuleRow)
        return sorting ? QVariant(qint64(0)) : QVariant(QString());
    const qint64 n = count(row, index.column());
    return sorting ? QVariant(n) : QVariant(QString::number(n));
}

QVariant WeekdayStatsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QString(), QStringLiteral("Additions"), QStringLiteral("Fix"),
                                    QStringLiteral("Release")};
    return section >= 0 && section < titles.size() ? QVariant(titles[section]) : QVariant();
}
