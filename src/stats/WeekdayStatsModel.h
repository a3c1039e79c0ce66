#pragma once

#include "stats/WeekdayCounts.h"

#include <QAbstractTableModel>
#include <QStringList>

// The weekday summary: Sunday to Saturday, a rule row, and the total of the seven.
class WeekdayStatsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int RuleRow = 7;
    static constexpr int TotalRow = 8;

    explicit WeekdayStatsModel(QObject *parent = nullptr);

    void setCounts(const WeekdayCounts &counts, const QStringList &dayNames);
    const WeekdayCounts &counts() const { return m_counts; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    qint64 count(int row, int column) const;

    WeekdayCounts m_counts;
    QStringList m_dayNames;
};
