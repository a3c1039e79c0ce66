#pragma once

#include <QSortFilterProxyModel>

// Orders a statistics list by the clicked column: counts by their number (also a million and
// more), dates by their "yyyy MM dd" text, other texts without regard to case. Pinned rows stay
// at the bottom in both orders.
class StatisticsSortProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit StatisticsSortProxy(QObject *parent = nullptr);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
