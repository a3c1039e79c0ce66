#include "search/HitDelegate.h"

#include "history/ChangesListModel.h"
#include "history/ShownText.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

namespace {

// The cell's text drawn where the style draws it (the same margins, alignment and elision), with
// the hits in their own colours. `hits` lie in `text`; those cut off by the elision are dropped.
void drawTextWithHits(QPainter *painter, const QStyleOptionViewItem &option, const QStyle *style,
                      const QRect &textRect, const QString &text, const std::vector<HitRange> &hits)
{
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect rect = textRect.adjusted(margin, 0, -margin, 0);
    const QString shown = option.fontMetrics.elidedText(text, option.textElideMode, rect.width());
    qsizetype visible = text.size();
    if (shown != text)
        visible = option.textElideMode == Qt::ElideRight ? shown.size() - 1 : 0;

    QTextCharFormat hitFormat;
    hitFormat.setBackground(HitDelegate::hitBackground());
    hitFormat.setForeground(HitDelegate::hitForeground());
    QList<QTextLayout::FormatRange> formats;
    for (const HitRange &hit : hits) {
        const qsizetype end = std::min(hit.start + hit.length, visible);
        if (end > hit.start)
            formats.append({int(hit.start), int(end - hit.start), hitFormat});
    }

    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    QTextLayout layout(shown, option.font);
    layout.setTextOption(textOption);
    layout.setFormats(formats);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(rect.width());
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    const QRect placed = QStyle::alignedRect(option.direction, option.displayAlignment,
                                             QSize(rect.width(), int(line.height())), rect);

    QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setPen(option.palette.color(
        group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(textRect, Qt::IntersectClip);
    layout.draw(painter, placed.topLeft());
    painter->restore();
}

} // namespace

HitDelegate::HitDelegate(const ChangesListModel &model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_model(model)
{
}

std::vector<HitRange> HitDelegate::cellHits(const QModelIndex &index) const
{
    const HistoryDocument *document = m_model.document();
    if (!document || m_model.columnKind(index.column()) != ChangeColumn)
        return {};
    const LineIndex line = m_model.lineOfRow(ListRow(index.row()));
    if (!m_highlight.appliesTo(line) || !document->lines.contains(line))
        return {};
    // The search looks at the whole line: a hit of a whole word at the start of the Change text
    // has its blank before it in the date's part.
    const ShownText whole = shownLine(document->lines, line);
    const qsizetype start = m_model.look().separateColumns ? changeStart(document->lines, line) : 0;
    std::vector<HitRange> hits;
    for (const HitRange &hit : hitRanges(QStringView(whole.text).first(whole.lineLength), m_highlight.text,
                                         m_highlight.wholeWord)) {
        const qsizetype begin = std::max(hit.start, start);
        const qsizetype end = hit.start + hit.length;
        if (end > begin)
            hits.push_back(HitRange{begin - start, end - begin});
    }
    return hits;
}

void HitDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const std::vector<HitRange> hits = cellHits(index);
    if (hits.empty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    const QString text = opt.text;
    // The style draws the background, selection, icon and focus; the text is drawn here.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    drawTextWithHits(painter, opt, style, textRect, text, hits);
}
