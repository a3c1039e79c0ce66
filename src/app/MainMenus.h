#pragma once

#include <QString>

class QAction;
class QActionGroup;
class QMainWindow;

// The main window's commands, each a QAction named as the menu item it is, so that the menu,
// the toolbar, the keyboard and the tests all run the same command.
struct MainMenus
{
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileStatistics = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuViewToolbar = nullptr;
    QAction *mnuViewStatusBar = nullptr;
    QAction *mnuViewWrapPanel = nullptr;
    QAction *mnuViewAllChanges = nullptr;
    QAction *mnuViewAdditions = nullptr;
    QAction *mnuViewFixes = nullptr;
    QAction *mnuViewReversedList = nullptr;
    QAction *mnuViewOptions = nullptr;
    QAction *mnuSearchFind = nullptr;
    QAction *mnuSearchFindNext = nullptr;
    QAction *mnuHelpAbout = nullptr;
    QActionGroup *viewFilterGroup = nullptr;

    // Builds the menu bar of `window`.
    static MainMenus create(QMainWindow *window);

    // The command a toolbar button key ("a" to "g") runs, or nullptr for an unknown key.
    QAction *commandOfToolbarKey(const QString &key) const;
};

// A menu caption as a tooltip: without the access-key marks and the trailing dots.
QString captionWithoutMarks(const QString &caption);
