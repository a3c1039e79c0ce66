#include "app/ToolbarLayout.h"

#include <QStringList>

std::vector<ToolbarEntry> parseToolbarButtons(const QString &layout)
{
    std::vector<ToolbarEntry> entries;
    const QStringList items = layout.split(u'|');
    for (const QString &item : items) {
        const QStringList fields = item.split(u',');
        if (fields.isEmpty() || fields[0].trimmed().isEmpty())
            continue;
        ToolbarEntry entry;
        if (fields[0].trimmed() == QLatin1String("-")) {
            bool isNumber = false;
            const int width = fields.size() > 1 ? fields[1].trimmed().toInt(&isNumber) : 0;
            if (isNumber && width > 0) {
                entry.type = ToolbarEntry::Type::Gap;
                entry.gapTwips = width;
            } else {
                entry.type = ToolbarEntry::Type::Separator;
            }
            entries.push_back(entry);
            continue;
        }
        if (fields.size() < 3)
            continue;
        bool styleOk = false;
        bool imageOk = false;
        const int style = fields[1].trimmed().toInt(&styleOk);
        entry.image = fields[2].trimmed().toInt(&imageOk);
        if (!styleOk || !imageOk || style < 0 || style > 2)
            continue;
        entry.key = fields[0].trimmed();
        entry.style = static_cast<ToolbarEntry::Style>(style);
        entry.tag = fields.size() > 3 ? fields[3] : QString();
        entry.visible = fields.size() <= 4 || fields[4].trimmed() != QLatin1String("0");
        entries.push_back(entry);
    }
    return entries;
}

QString chooseToolbarLayout(const QString &defaultToolbar, const QString &toolbarButtons,
                            bool toolbarButtonsPresent)
{
    bool isNumber = false;
    const int useDefault = defaultToolbar.trimmed().toInt(&isNumber);
    if (isNumber && useDefault == 0 && toolbarButtonsPresent && !parseToolbarButtons(toolbarButtons).empty())
        return toolbarButtons;
    return BuiltInToolbarButtons;
}
