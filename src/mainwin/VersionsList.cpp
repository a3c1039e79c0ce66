#include "mainwin/VersionsList.h"

#include "history/ShownText.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QTreeWidget>

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int TagRole = Qt::UserRole + 1;
} // namespace

VersionsList::VersionsList(QTreeWidget *list, QObject *parent)
    : QObject(parent)
    , m_list(list)
{
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit itemClicked(m_list->indexOfTopLevelItem(item)); });
    // Arrow keys move the current item; treat that as a click so keyboard users can browse releases.
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_filling || !item || !m_list->hasFocus())
            return;
        const int position = m_list->indexOfTopLevelItem(item);
        if (position != m_current)
            emit itemClicked(position);
    });
}

void VersionsList::fill(const std::vector<Release> &releases, int newCount)
{
    m_filling = true;
    m_list->clear();
    m_current = -1;
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(releases.size()) + 2);
    auto *all = new QTreeWidgetItem(QStringList{QStringLiteral("All")});
    all->setData(0, TagRole, 0);
    items << all;
    const QIcon badge = newCount > 0 ? newBadge() : QIcon();
    if (newCount > 0) {
        auto *news =
            new QTreeWidgetItem(QStringList{QStringLiteral("New since last time (%1)").arg(newCount)});
        news->setIcon(0, badge);
        items << news;
    }
    for (const Release &release : releases) {
        auto *item = new QTreeWidgetItem(QStringList{shownText(release.label)});
        item->setData(0, KeyRole, release.key());
        item->setData(0, TagRole, release.headerLine.value());
        if (items.size() < newCount + 2)
            item->setIcon(0, badge);
        items << item;
    }
    m_list->addTopLevelItems(items);
    m_filling = false;
}

int VersionsList::count() const
{
    return m_list->topLevelItemCount();
}

void VersionsList::makeCurrent(int position)
{
    m_filling = true;
    if (m_current != position)
        setMarked(m_current, false);
    m_current = position;
    setMarked(position, true);
    // "All" is marked exactly while it is current.
    if (position != 0)
        setMarked(0, false);
    m_filling = false;
}

QFont VersionsList::markedFont(const QFont &listFont)
{
    QFont font = listFont;
    // Bold is the mark; in a list whose font is bold already, the current item is underlined too.
    if (listFont.bold())
        font.setUnderline(true);
    font.setBold(true);
    return font;
}

QIcon VersionsList::newBadge()
{
    QPixmap dot(32, 32);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    // Orange inside a white ring: apart from the list's text, selection and backgrounds, dark or light.
    painter.setPen(QPen(Qt::white, 3));
    painter.setBrush(QColor(0xF0, 0x80, 0x10));
    painter.drawEllipse(QRectF(6, 6, 20, 20));
    return QIcon(dot);
}

bool VersionsList::eventFilter(QObject *watched, QEvent *event)
{
    // The marked font is made from the list's font, so it follows a change of that font.
    if (watched == m_list && event->type() == QEvent::FontChange) {
        for (int position : {0, m_current}) {
            QTreeWidgetItem *item = itemAt(position);
            if (item && item->data(0, Qt::FontRole).isValid())
                item->setFont(0, markedFont(m_list->font()));
        }
    }
    return QObject::eventFilter(watched, event);
}

void VersionsList::unmarkCurrent()
{
    m_filling = true;
    setMarked(m_current, false);
    m_filling = false;
}

void VersionsList::scrollTo(int position)
{
    if (QTreeWidgetItem *item = itemAt(position))
        m_list->scrollToItem(item);
}

QTreeWidgetItem *VersionsList::itemAt(int position) const
{
    return position >= 0 && position < count() ? m_list->topLevelItem(position) : nullptr;
}

void VersionsList::setMarked(int position, bool marked)
{
    QTreeWidgetItem *item = itemAt(position);
    if (!item)
        return;
    // An item that is not marked has no font of its own: it is drawn in the list's font.
    if (marked)
        item->setFont(0, markedFont(m_list->font()));
    else
        item->setData(0, Qt::FontRole, QVariant());
    item->setSelected(marked);
    if (marked)
        m_list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}
