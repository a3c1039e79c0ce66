#include "app/MainToolbar.h"

#include "app/MainMenus.h"
#include "settings/Globals.h"
#include "settings/SettingsStore.h"
#include "settings/cProfile.h"
#include "widgets/Twips.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

QIcon ImageList1(int number)
{
    static const char *const files[] = {"open",    "addition", "fix",     "allchanges",
                                        "options", "find",     "reversed"};
    if (number < 1 || number > 7)
        return {};
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(files[number - 1])));
}

MainToolbar::MainToolbar(QToolBar *toolbar, const MainMenus &menus, QObject *parent)
    : QObject(parent)
    , m_toolbar(toolbar)
    , m_menus(menus)
{
    connect(m_toolbar, &QWidget::customContextMenuRequested, this, &MainToolbar::showRightClickMenu);
    setIgnoreRightClick(false);
}

void MainToolbar::setIgnoreRightClick(bool ignore)
{
    // Ignoring must also keep the click from the main window, whose own menu would offer other things.
    m_toolbar->setContextMenuPolicy(ignore ? Qt::PreventContextMenu : Qt::CustomContextMenu);
}

void MainToolbar::showRightClickMenu(const QPoint &position)
{
    if (!m_rightClickMenu) {
        m_rightClickMenu = new QMenu(m_toolbar);
        m_rightClickMenu->setObjectName(QStringLiteral("Toolbar1_RightClickMenu"));
        m_rightClickMenu->addActions(
            {m_menus.mnuViewToolbar, m_menus.mnuViewStatusBar, m_menus.mnuViewWrapPanel});
    }
    m_rightClickMenu->popup(m_toolbar->mapToGlobal(position));
}

void MainToolbar::CreateMainToolbar(const std::vector<ToolbarEntry> &entries)
{
    m_toolbar->clear();
    m_buttons.clear();
    auto *group = new QActionGroup(m_toolbar);
    group->setExclusive(true);

    for (const ToolbarEntry &entry : entries) {
        if (entry.type == ToolbarEntry::Type::Separator) {
            m_toolbar->addSeparator();
            continue;
        }
        if (entry.type == ToolbarEntry::Type::Gap) {
            auto *gap = new QWidget(m_toolbar);
            gap->setFixedWidth(Twips::toPixelsX(entry.gapTwips));
            m_toolbar->addWidget(gap);
            continue;
        }
        QAction *command = m_menus.commandOfToolbarKey(entry.key);
        auto *button = new QAction(ImageList1(entry.image),
                                   command ? captionWithoutMarks(command->text()) : entry.key, m_toolbar);
        button->setObjectName(QStringLiteral("Toolbar1_") + entry.key);
        button->setData(entry.tag);
        button->setVisible(entry.visible);
        button->setCheckable(entry.style != ToolbarEntry::Style::Plain);
        if (entry.style == ToolbarEntry::Style::Group)
            group->addAction(button);
        if (command) {
            button->setEnabled(command->isEnabled());
            connect(command, &QAction::changed, button,
                    [button, command] { button->setEnabled(command->isEnabled()); });
            connect(button, &QAction::triggered, command, [command] { command->trigger(); });
        } else {
            button->setEnabled(false);
        }
        m_toolbar->addAction(button);
        if (!m_buttons.contains(entry.key))
            m_buttons.insert(entry.key, button);
    }
}

bool MainToolbar::isPressed(const QString &key) const
{
    const QAction *button = m_buttons.value(key);
    return button && button->isChecked();
}

void MainToolbar::setPressed(const QString &key, bool pressed)
{
    if (QAction *button = m_buttons.value(key); button && button->isCheckable())
        button->setChecked(pressed);
}

void MainToolbar::createFromSettings(SettingsStore &store)
{
    const QString &marker = missingValueMarker();
    const QString stored = store.read(SectionVelomir, KeyToolbarButtons, marker);
    const QString layout = chooseToolbarLayout(
        store.read(SectionVelomir, KeyDefaultToolbar, QStringLiteral("1")), stored, stored != marker);
    CreateMainToolbar(parseToolbarButtons(layout));
    setIgnoreRightClick(
        store.read(SectionVelomir, KeyToolbarIgnoreRightClick, QStringLiteral("0")).trimmed() ==
        QLatin1String("1"));
}
