#include "stats/StatisticsSortProxy.h"

#include "stats/StatisticsRoles.h"

StatisticsSortProxy::StatisticsSortProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(StatisticsRoles::SortValue);
    setDynamicSortFilter(true);
}

bool StatisticsSortProxy::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const bool leftPinned = left.data(StatisticsRoles::PinnedBelow).toBool();
    const bool rightPinned = right.data(StatisticsRoles::PinnedBelow).toBool();
    if (leftPinned || rightPinned) {
        if (leftPinned && rightPinned)
            return sortOrder() == Qt::AscendingOrder ? left.row() < right.row() : left.row() > right.row();
        // The view reverses the answer for a descending order; answer so that pinned rows end last.
        return rightPinned == (sortOrder() == Qt::AscendingOrder);
    }
    const QVariant a = left.data(sortRole());
    const QVariant b = right.data(sortRole());
    if (a.typeId() == QMetaType::LongLong && b.typeId() == QMetaType::LongLong)
        return a.toLongLong() < b.toLongLong();
    return a.toString().compare(b.toString(), Qt::CaseInsensitive) < 0;
}
