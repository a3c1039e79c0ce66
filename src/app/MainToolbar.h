#pragma once

#include "app/ToolbarLayout.h"

#include <QHash>
#include <QIcon>
#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QToolBar;
struct MainMenus;
class SettingsStore;

// The pictures shared by the toolbar and the changes list: 1 open, 2 addition, 3 fix, 4 all changes,
// 5 options, 6 find, 7 reversed order.
QIcon ImageList1(int number);

// Toolbar1's buttons, built from the layout text. Each button runs a menu command; the pressed state
// of "b", "c" and "d" is the view filter, that of "g" the reversed order.
class MainToolbar : public QObject
{
    Q_OBJECT

public:
    MainToolbar(QToolBar *toolbar, const MainMenus &menus, QObject *parent = nullptr);

    // Replaces every button with those of `entries`.
    void CreateMainToolbar(const std::vector<ToolbarEntry> &entries);
    // The same with the layout the settings choose ("DefaultToolbar", "ToolbarButtons"), and their
    // "ToolbarIgnoreRightClick".
    void createFromSettings(SettingsStore &store);

    bool isPressed(const QString &key) const;
    void setPressed(const QString &key, bool pressed);
    QAction *button(const QString &key) const { return m_buttons.value(key); }

    // A right-click on the toolbar offers the View menu's commands that show and hide the toolbar,
    // the status bar and the wrap panel, so a hidden part can be brought back from here; with
    // `ignore` it does nothing at all.
    void setIgnoreRightClick(bool ignore);
    QMenu *rightClickMenu() const { return m_rightClickMenu; }

private:
    void showRightClickMenu(const QPoint &position);

    QToolBar *m_toolbar;
    const MainMenus &m_menus;
    QHash<QString, QAction *> m_buttons;
    QMenu *m_rightClickMenu = nullptr;
};
