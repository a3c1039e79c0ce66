#include "app/MainMenus.h"

#include "app/ToolbarLayout.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>

namespace {
QAction *addCommand(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {},
                    bool checkable = false)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    // Shortcuts act wherever the focus is inside the main window.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}
} // namespace

MainMenus MainMenus::create(QMainWindow *window)
{
    MainMenus m;
    QMenuBar *bar = window->menuBar();

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m.mnuFileOpen = addCommand(file, "mnuFileOpen", QStringLiteral("&Open..."), QKeySequence::Open);
    m.mnuFileStatistics = addCommand(file, "mnuFileStatistics", QStringLiteral("&Statistics..."));
    file->addSeparator();
    m.mnuFileExit = addCommand(file, "mnuFileExit", QStringLiteral("E&xit"));

    QMenu *view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m.mnuViewToolbar = addCommand(view, "mnuViewToolbar", QStringLiteral("&Toolbar"), {}, true);
    m.mnuViewStatusBar = addCommand(view, "mnuViewStatusBar", QStringLiteral("Status &Bar"), {}, true);
    m.mnuViewWrapPanel = addCommand(view, "mnuViewWrapPanel", QStringLiteral("&Wrap Panel"), {}, true);
    view->addSeparator();
    m.mnuViewAllChanges = addCommand(view, "mnuViewAllChanges", QStringLiteral("All &Changes"), {}, true);
    m.mnuViewAdditions = addCommand(view, "mnuViewAdditions", QStringLiteral("&Additions"), {}, true);
    m.mnuViewFixes = addCommand(view, "mnuViewFixes", QStringLiteral("&Fixes"), {}, true);
    m.viewFilterGroup = new QActionGroup(window);
    m.viewFilterGroup->addAction(m.mnuViewAllChanges);
    m.viewFilterGroup->addAction(m.mnuViewAdditions);
    m.viewFilterGroup->addAction(m.mnuViewFixes);
    view->addSeparator();
    m.mnuViewReversedList =
        addCommand(view, "mnuViewReversedList", QStringLiteral("&Reversed List"), {}, true);
    view->addSeparator();
    m.mnuViewOptions = addCommand(view, "mnuViewOptions", QStringLiteral("&Options..."));

    QMenu *search = bar->addMenu(QStringLiteral("&Search"));
    search->setObjectName(QStringLiteral("mnuSearch"));
    m.mnuSearchFind =
        addCommand(search, "mnuSearchFind", QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    m.mnuSearchFindNext =
        addCommand(search, "mnuSearchFindNext", QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3));

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m.mnuHelpAbout = addCommand(help, "mnuHelpAbout", QStringLiteral("&About Velomir..."));
    return m;
}

QAction *MainMenus::commandOfToolbarKey(const QString &key) const
{
    const std::pair<const QString &, QAction *> commands[] = {
        {ToolbarKey::Open, mnuFileOpen},
        {ToolbarKey::AllChanges, mnuViewAllChanges},
        {ToolbarKey::Additions, mnuViewAdditions},
        {ToolbarKey::Fixes, mnuViewFixes},
        {ToolbarKey::Options, mnuViewOptions},
        {ToolbarKey::Find, mnuSearchFind},
        {ToolbarKey::ReversedList, mnuViewReversedList},
    };
    for (const auto &[commandKey, command] : commands) {
        if (key == commandKey)
            return command;
    }
    return nullptr;
}

QString captionWithoutMarks(const QString &caption)
{
    QString text = caption;
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
