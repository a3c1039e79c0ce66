#include "app/ChangeColumns.h"

#include "app/ColumnWidths.h"
#include "history/LineRules.h"
#include "settings/SettingsStore.h"
#include "settings/cProfile.h"
#include "widgets/Twips.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>

#include <algorithm>

namespace {
const QString KeyColumnHeadersSize = QStringLiteral("ColumnHeadersSize");
const QString KeyColumnHeadersSize3 = QStringLiteral("ColumnHeadersSize3");
const QString KeyColumnHeadersPosition3 = QStringLiteral("ColumnHeadersPosition3");

const QString DefaultSize3 = QStringLiteral("1500,1500,12000");
const QString DefaultSize = QStringLiteral("15000");

// Room a cell leaves around its text, and the room of a row's icon in the first column.
constexpr int CellPadding = 12;
constexpr int IconRoom = 16 + 6;

// The widest text of one column over a week of days and the twelve months.
int widestDateText(const QFontMetrics &metrics, const QString &format,
                   QString (*text)(QStringView, const QString &))
{
    int widest = 0;
    for (int day = 1; day <= 7; ++day)
        widest =
            std::max(widest, metrics.horizontalAdvance(text(QStringLiteral("0%1.01.23").arg(day), format)));
    for (int month = 1; month <= 12; ++month) {
        const QString line = QStringLiteral("28.%1.28").arg(month, 2, 10, QLatin1Char('0'));
        widest = std::max(widest, metrics.horizontalAdvance(text(line, format)));
    }
    return widest;
}

QString joined(const QList<int> &values)
{
    QStringList fields;
    for (int v : values)
        fields << QString::number(v);
    return fields.join(u',');
}
} // namespace

void ChangeColumns::setup(QHeaderView *header, bool separateColumns, SettingsStore &store)
{
    const int count = header->count();
    const QList<int> widths = ColumnWidths::numbers(
        store.read(SectionVelomir, separateColumns ? KeyColumnHeadersSize3 : KeyColumnHeadersSize,
                   separateColumns ? DefaultSize3 : DefaultSize));
    for (int column = 0; column < count && column < widths.size(); ++column) {
        if (widths[column] > 0)
            header->resizeSection(column, Twips::toPixelsX(widths[column]));
    }
    if (!separateColumns || count != 3)
        return;

    // Positions are 1 to 3, one per column; anything else leaves the order as it is.
    const QList<int> positions =
        ColumnWidths::numbers(store.read(SectionVelomir, KeyColumnHeadersPosition3, QStringLiteral("1,2,3")));
    QList<int> sorted = positions.mid(0, 3);
    std::sort(sorted.begin(), sorted.end());
    if (positions.size() < 3 || sorted != QList<int>{1, 2, 3})
        return;
    for (int visual = 0; visual < 3; ++visual) {
        const int logical = int(positions.indexOf(visual + 1));
        header->moveSection(header->visualIndex(logical), visual);
    }
}

void ChangeColumns::save(const QHeaderView *header, bool separateColumns, SettingsStore &store)
{
    if (separateColumns && header->count() == 3) {
        const QList<int> stored =
            ColumnWidths::numbers(store.read(SectionVelomir, KeyColumnHeadersSize3, DefaultSize3));
        QList<int> widths;
        QList<int> positions;
        for (int column = 0; column < 3; ++column) {
            widths << ColumnWidths::toStore(header->sectionSize(column), stored.value(column, -1));
            positions << header->visualIndex(column) + 1;
        }
        store.write(SectionVelomir, KeyColumnHeadersSize3, joined(widths));
        store.write(SectionVelomir, KeyColumnHeadersPosition3, joined(positions));
    } else if (header->count() >= 1) {
        const int stored =
            ColumnWidths::numbers(store.read(SectionVelomir, KeyColumnHeadersSize, DefaultSize)).value(0);
        store.write(SectionVelomir, KeyColumnHeadersSize,
                    QString::number(ColumnWidths::toStore(header->sectionSize(0), stored)));
    }
}

void ChangeColumns::fitDateColumns(QHeaderView *header, const QFont &font, const QString &dayFormat,
                                   const QString &dateFormat, bool showIcons)
{
    if (header->count() != 3)
        return;
    const QFontMetrics metrics(font);
    const int needed[] = {widestDateText(metrics, dayFormat, GetDayText) + (showIcons ? IconRoom : 0),
                          widestDateText(metrics, dateFormat, GetDateText)};
    for (int column = 0; column < 2; ++column) {
        const int width = needed[column] + CellPadding;
        if (header->sectionSize(column) < width)
            header->resizeSection(column, width);
    }
}
