#pragma once

#include <QDebug>
#include <QString>

#include <vector>

// One entry of the toolbar's layout text: a button, a separator, or an empty gap.
struct ToolbarEntry
{
    enum class Type { Button, Separator, Gap };
    enum class Style { Plain = 0, Check = 1, Group = 2 };

    Type type = Type::Button;
    QString key; // "a" to "g": the command the button runs
    Style style = Style::Plain;
    int image = 0; // picture number in the image list shared with the changes list
    QString tag;   // text kept with the button
    bool visible = true;
    int gapTwips = 0;

    bool operator==(const ToolbarEntry &) const = default;
};

inline QDebug operator<<(QDebug debug, const ToolbarEntry &entry)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "ToolbarEntry(" << int(entry.type) << ", " << entry.key << ", style "
                    << int(entry.style) << ", image " << entry.image << ", " << entry.tag
                    << (entry.visible ? "" : ", hidden") << ", gap " << entry.gapTwips << ')';
    return debug;
}

// The keys of the toolbar's buttons, each running one menu command.
namespace ToolbarKey {
inline const QString Open = QStringLiteral("a");         // File > Open
inline const QString AllChanges = QStringLiteral("b");   // View > All Changes (group)
inline const QString Additions = QStringLiteral("c");    // View > Additions (group)
inline const QString Fixes = QStringLiteral("d");        // View > Fixes (group)
inline const QString Options = QStringLiteral("e");      // View > Options
inline const QString Find = QStringLiteral("f");         // Search > Find
inline const QString ReversedList = QStringLiteral("g"); // View > Reversed List (stays pressed)
} // namespace ToolbarKey

// Settings keys of the toolbar.
inline const QString KeyToolbarButtons = QStringLiteral("ToolbarButtons");
inline const QString KeyDefaultToolbar = QStringLiteral("DefaultToolbar");
inline const QString KeyToolbarIgnoreRightClick = QStringLiteral("ToolbarIgnoreRightClick");

// The layout used unless the settings name another.
inline const QString BuiltInToolbarButtons =
    QStringLiteral("a,0,1,102,1|-,-,-,-,1|b,2,4,103,1|c,2,2,104,1|d,2,3,122,1|-,-,-,-,1|g,1,7,122,1|-,-,-,-,"
                   "1|f,0,6,122,1|-,-,-,-,1|"
                   "e,0,5,122,1");

// Entries separated by "|", fields by ","; an entry whose first field is "-" is a gap of that many
// twips when its second field is a number, else a separator. Entries that cannot be read are left out.
std::vector<ToolbarEntry> parseToolbarButtons(const QString &layout);

// "DefaultToolbar" 1 (the default) keeps the built-in layout; 0 takes "ToolbarButtons" when it is set.
QString chooseToolbarLayout(const QString &defaultToolbar, const QString &toolbarButtons,
                            bool toolbarButtonsPresent);
