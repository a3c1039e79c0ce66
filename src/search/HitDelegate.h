#pragma once

#include "search/HitRanges.h"

#include <QColor>
#include <QStyledItemDelegate>

class ChangesListModel;

// Draws the cells of lvChangesList, showing the hits of the last search in the Change column of
// the rows it applies to. The hits of a cell are worked out when it is painted, so only the rows
// on screen are ever looked at and a list of any length scrolls as fast as without them.
class HitDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    HitDelegate(const ChangesListModel &model, QObject *parent = nullptr);

    // The caller repaints the list.
    void setHighlight(const SearchHighlight &highlight) { m_highlight = highlight; }
    const SearchHighlight &highlight() const { return m_highlight; }

    // The hits as they stand in the text of a cell; none outside the Change column, in the
    // "Search Result:" row and in rows the highlight does not apply to.
    std::vector<HitRange> cellHits(const QModelIndex &index) const;

    // Hits are drawn dark on a fixed light amber, never in the palette's or the row's colours, so
    // they read alike on light and dark palettes, on every kind's colour and on selected rows.
    static QColor hitBackground() { return QColor(0xFF, 0xD5, 0x4F); }
    static QColor hitForeground() { return QColor(0x1A, 0x1A, 0x1A); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const ChangesListModel &m_model;
    SearchHighlight m_highlight;
};
