#pragma once

#include "history/ChangesList.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

// How the changes list draws its rows: colours by kind, icons, formats and columns.
struct ChangesListLook
{
    QColor foreground; // lines that are neither addition nor fix
    QColor additions;
    QColor fixes;
    bool showIcons = true;
    QIcon additionIcon;
    QIcon fixIcon;
    QString dayFormat = QStringLiteral("dddd");
    QString dateFormat = QStringLiteral("dd/MM/yyyy");
    bool separateColumns = true; // "Day", "Date", "Change"; otherwise the whole line under "Change"
    QFont font;
};

// The rows of lvChangesList over the loaded history. Rows are line indices; the texts of their
// cells are made only when the view asks for them.
class ChangesListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Column = ChangeListColumn;

    explicit ChangesListModel(QObject *parent = nullptr);

    // The document must outlive the content shown from it; a null document shows no rows.
    void setContent(const HistoryDocument *document, ChangesListContent content);
    const ChangesListContent &content() const { return m_content; }
    // The history the rows are lines of; null while nothing is shown.
    const HistoryDocument *document() const { return m_document; }
    // The line storage of the content shown before the last one, for the next build to fill.
    std::vector<LineIndex> takeSpareStorage() { return std::move(m_spareStorage); }

    void setLook(const ChangesListLook &look);
    const ChangesListLook &look() const { return m_look; }

    // The row that shows `line` (the first one, if several do), or -1.
    ListRow rowOfLine(LineIndex line) const;
    // The line a row shows; -1 for the search header row and for a row that does not exist.
    LineIndex lineOfRow(ListRow row) const;
    // Which column of the separate-column layout a view column is; single-column mode has only "Change".
    Column columnKind(int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString cellText(const ChangeRow &row, Column column) const;
    QVariant cellFont(const ChangeRow &row, Column column) const;
    QColor rowColor(const ChangeRow &row) const;

    const HistoryDocument *m_document = nullptr;
    ChangesListContent m_content;
    std::vector<LineIndex> m_spareStorage;
    ChangesListLook m_look;
};
