#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

#include <map>

// The marked letters (Alt+letter) that clash: within the window's own controls and menu titles, and
// within each of its menus. Each clash reads "letter: caption, caption".
inline QStringList accessKeyClashes(const QWidget *window)
{
    QStringList clashes;
    const auto check = [&clashes](const QStringList &captions) {
        std::map<QString, QStringList> byKey;
        for (const QString &caption : captions) {
            const QString key = QKeySequence::mnemonic(caption).toString();
            if (!key.isEmpty())
                byKey[key] << caption;
        }
        for (const auto &[key, holders] : byKey) {
            if (holders.size() > 1)
                clashes << key + QStringLiteral(": ") + holders.join(QStringLiteral(", "));
        }
    };
    QStringList own;
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        own << button->text();
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy())
            own << label->text();
    }
    for (const QGroupBox *group : window->findChildren<QGroupBox *>())
        own << group->title();
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (const QAction *title : bar->actions())
            own << title->text();
    }
    check(own);
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        QStringList items;
        for (const QAction *item : menu->actions())
            items << item->text();
        check(items);
    }
    return clashes;
}
