#include "mainwin/VersionsList.h"

#include "history/ShownText.h"

#include <QTreeWidget>

namespace {
constexpr int KeyRole = Qt::UserRole;
constexpr int TagRole = Qt::UserRole + 1;
} // namespace

VersionsList::VersionsList(QTreeWidget *list, QObject *parent)
    : QObject(parent)
    , m_list(list)
{
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

void VersionsList::fill(const std::vector<Release> &releases)
{
    m_filling = true;
    m_list->clear();
    m_current = -1;
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(releases.size()) + 1);
    auto *all = new QTreeWidgetItem(QStringList{QStringLiteral("All")});
    all->setData(0, TagRole, 0);
    items << all;
    for (const Release &release : releases) {
        auto *item = new QTreeWidgetItem(QStringList{shownText(release.label)});
        item->setData(0, KeyRole, release.key());
        item->setData(0, TagRole, release.headerLine.value());
        items << item;
    }
    m_list->addTopLevelItems(items);
    m_filling = false;
}

int VersionsList::count() const
{
    return m_list->topLevelItemCount();
}

int VersionsList::positionOfKey(const QString &key) const
{
    if (key.isEmpty())
        return -1;
    for (int i = 1; i < count(); ++i) {
        if (m_list->topLevelItem(i)->data(0, KeyRole).toString() == key)
            return i;
    }
    return -1;
}

QString VersionsList::keyAt(int position) const
{
    const QTreeWidgetItem *item = itemAt(position);
    return item ? item->data(0, KeyRole).toString() : QString();
}

QString VersionsList::textAt(int position) const
{
    const QTreeWidgetItem *item = itemAt(position);
    return item ? item->text(0) : QString();
}

void VersionsList::makeCurrent(int position)
{
    m_filling = true;
    if (m_current != position)
        setMarked(m_current, false);
    m_current = position;
    setMarked(position, true);
    if (QTreeWidgetItem *all = itemAt(0)) {
        QFont font = all->font(0);
        font.setBold(position == 0);
        all->setFont(0, font);
    }
    m_filling = false;
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
    QFont font = item->font(0);
    font.setBold(marked);
    item->setFont(0, font);
    item->setSelected(marked);
    if (marked)
        m_list->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}
