#pragma once

#include "history/HistoryDocument.h"

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// lvVersionsList: "All" at position 0, then "New since last time" while some releases are new, then
// one item per release with its key and header line (see ReleasesListPlaces). The new releases and
// their item carry a badge; the current item is the one shown in the marked font.
class VersionsList : public QObject
{
    Q_OBJECT

public:
    explicit VersionsList(QTreeWidget *list, QObject *parent = nullptr);

    // `newCount`: how many releases, from the first, are new since last time.
    void fill(const std::vector<Release> &releases, int newCount = 0);
    int count() const;

    int current() const { return m_current; }
    // The release click handling's marks: the old current item loses bold and selection, the new one
    // gains both, and "All" is bold exactly while it is current.
    void makeCurrent(int position);
    // Takes bold and selection from the current item while keeping it current (search results shown).
    void unmarkCurrent();
    void scrollTo(int position);

    // The font of the current item: the list's font in bold, and underlined when that font is bold.
    static QFont markedFont(const QFont &listFont);
    // The badge of what is new: a dot that reads on light and dark lists alike.
    static QIcon newBadge();

signals:
    // The user picked an item, with the mouse or the keyboard.
    void itemClicked(int position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidgetItem *itemAt(int position) const;
    void setMarked(int position, bool marked);

    QTreeWidget *m_list;
    int m_current = -1;
    bool m_filling = false;
};
