#include "app/ColumnWidths.h"

#include "widgets/Twips.h"

#include <QStringList>

int ColumnWidths::toStore(int pixels, int storedTwips)
{
    if (storedTwips > 0 && Twips::toPixelsX(storedTwips) == pixels)
        return storedTwips;
    return Twips::fromPixelsX(pixels);
}

QList<int> ColumnWidths::numbers(const QString &text)
{
    QList<int> values;
    for (const QString &field : text.split(u',')) {
        bool ok = false;
        const int value = field.trimmed().toInt(&ok);
        values << (ok ? value : -1);
    }
    return values;
}
