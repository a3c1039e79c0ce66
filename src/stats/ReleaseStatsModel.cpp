#include "stats/ReleaseStatsModel.h"

#include "history/ShownText.h"
#include "stats/StatisticsComputation.h"
#include "stats/StatisticsRoles.h"

namespace {
enum Column { Day, Date, Version, Additions, Fixes, ColumnCount };
}

ReleaseStatsModel::ReleaseStatsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ReleaseStatsModel::setRows(std::vector<ReleaseStatsRow> rows, const QString &dateFormat)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_dateFormat = dateFormat;
    endResetModel();
}

int ReleaseStatsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReleaseStatsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ReleaseStatsModel::dateText(const ReleaseStatsRow &row) const
{
    return releaseDateText(row.sortableDate, m_dateFormat);
}

QVariant ReleaseStatsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ReleaseStatsRow &r = row(index.row());
    if (role == StatisticsRoles::ReleaseKey)
        return r.key;
    if (role == StatisticsRoles::PinnedBelow)
        return false;
    const bool sorting = role == StatisticsRoles::SortValue;
    if (role != Qt::DisplayRole && !sorting)
        return {};
    switch (index.column()) {
    case Day:
        return r.dayText;
    case Date:
        return sorting ? r.sortableDate : dateText(r);
    case Version:
        return shownText(r.label);
    case Additions:
        return sorting ? QVariant(r.additions) : QVariant(QString::number(r.additions));
    case Fixes:
        return sorting ? QVariant(r.fixes) : QVariant(QString::number(r.fixes));
    default:
        return {};
    }
}

QVariant ReleaseStatsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QStringLiteral("Day"), QStringLiteral("Date"), QStringLiteral("Version"),
                                    QStringLiteral("Additions"), QStringLiteral("Fix")};
    return section >= 0 && section < titles.size() ? QVariant(titles[section]) : QVariant();
}
