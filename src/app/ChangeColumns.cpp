#include "app/ChangeColumns.h"

#include "app/ColumnWidths.h"
#include "settings/SettingsStore.h"
#include "settings/cProfile.h"
#include "widgets/Twips.h"

#include <QHeaderView>
#include <QStringList>

#include <algorithm>

namespace {
const QString KeyColumnHeadersSize = QStringLiteral("ColumnHeadersSize");
const QString KeyColumnHeadersSize3 = QStringLiteral("ColumnHeadersSize3");
const QString KeyColumnHeadersPosition3 = QStringLiteral("ColumnHeadersPosition3");

const QString DefaultSize3 = QStringLiteral("1500,1500,12000");
const QString DefaultSize = QStringLiteral("15000");

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
