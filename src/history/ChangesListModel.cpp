#include "history/ChangesListModel.h"

#include "history/LineRules.h"
#include "history/ShownText.h"

#include <QBrush>

ChangesListModel::ChangesListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void ChangesListModel::setContent(const HistoryDocument *document, ChangesListContent content)
{
    beginResetModel();
    m_document = document;
    m_spareStorage = m_content.rows.takeStorage();
    m_content = std::move(content);
    if (!m_document)
        m_content.rows = ChangeRows();
    endResetModel();
}

void ChangesListModel::setLook(const ChangesListLook &look)
{
    if (look.separateColumns != m_look.separateColumns) {
        // The columns themselves change: views must drop what they know of the old ones.
        beginResetModel();
        m_look = look;
        endResetModel();
        return;
    }
    m_look = look;
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DisplayRole, Qt::ForegroundRole, Qt::DecorationRole, Qt::FontRole});
    }
}

ListRow ChangesListModel::rowOfLine(LineIndex line) const
{
    return m_content.rows.rowOfLine(line);
}

LineIndex ChangesListModel::lineOfRow(ListRow row) const
{
    return m_content.rows.lineAt(row);
}

ChangesListModel::Column ChangesListModel::columnKind(int column) const
{
    return m_look.separateColumns ? static_cast<Column>(column) : ChangeColumn;
}

int ChangesListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_content.rows.size();
}

int ChangesListModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_look.separateColumns ? 3 : 1;
}

QVariant ChangesListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const ChangeRow row = m_content.rows.at(ListRow(index.row()), m_document->lines);
    const Column column = columnKind(index.column());

    switch (role) {
    case Qt::DisplayRole:
        return cellText(row, column);
    case Qt::ForegroundRole: {
        const QColor color = rowColor(row);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    case Qt::DecorationRole:
        if (!m_look.showIcons || index.column() != 0 || row.line.isNone())
            return QVariant();
        switch (m_document->lines.kind(row.line)) {
        case ChangeKind::Addition:
            return m_look.additionIcon;
        case ChangeKind::Fix:
            return m_look.fixIcon;
        case ChangeKind::Other:
            break;
        }
        return QVariant();
    case Qt::FontRole:
        return cellFont(row, column);
    default:
        return QVariant();
    }
}

QVariant ChangesListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QVariant();
    switch (columnKind(section)) {
    case DayColumn:
        return QStringLiteral("Day");
    case DateColumn:
        return QStringLiteral("Date");
    case ChangeColumn:
        break;
    }
    return QStringLiteral("Change");
}

QString ChangesListModel::cellText(const ChangeRow &row, Column column) const
{
    if (row.line.isNone())
        return column == ChangeColumn ? SearchResultHeader : QString();
    // Only what is shown is decoded: the date, and at most ShownCharacters of the text.
    const HistoryLines &lines = m_document->lines;
    if (!m_look.separateColumns)
        return shownLine(lines, row.line).text;
    switch (column) {
    case DayColumn:
        return GetDayText(datePart(lines.bytes(row.line)), m_look.dayFormat);
    case DateColumn:
        return GetDateText(datePart(lines.bytes(row.line)), m_look.dateFormat);
    case ChangeColumn:
        break;
    }
    return shownChange(lines, row.line).text;
}

QVariant ChangesListModel::cellFont(const ChangeRow &row, Column column) const
{
    // The search header's empty Day cell stays plain; every other cell of a bold row is bold.
    const bool bold = row.line.isNone() ? column != DayColumn : row.bold;
    if (!bold)
        return m_look.font;
    QFont font = m_look.font;
    font.setBold(true);
    return font;
}

QColor ChangesListModel::rowColor(const ChangeRow &row) const
{
    if (row.line.isNone())
        return m_look.foreground;
    switch (m_document->lines.kind(row.line)) {
    case ChangeKind::Addition:
        return m_look.additions;
    case ChangeKind::Fix:
        return m_look.fixes;
    case ChangeKind::Other:
        break;
    }
    return m_look.foreground;
}
