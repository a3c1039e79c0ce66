#pragma once

#include "stats/ReleaseStatsRow.h"

#include <QAbstractTableModel>

#include <vector>

// The release list: Day, Date (in the display date format), Version, additions and fixes.
class ReleaseStatsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReleaseStatsModel(QObject *parent = nullptr);

    void setRows(std::vector<ReleaseStatsRow> rows, const QString &dateFormat);
    const ReleaseStatsRow &row(int r) const { return m_rows[static_cast<std::size_t>(r)]; }
    // In the order setRows gave them, whatever the sort of the list.
    const std::vector<ReleaseStatsRow> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString dateText(const ReleaseStatsRow &row) const;

    std::vector<ReleaseStatsRow> m_rows;
    QString m_dateFormat;
};
