#include "app/ColumnWidths.h"

#include <QStringList>

#include <QtMath>

int ColumnWidths::toPixels(int twips, int twipsPerPixel)
{
    return qRound(double(twips) / qMax(1, twipsPerPixel));
}

int ColumnWidths::toStore(int pixels, int storedTwips, int twipsPerPixel)
{
    if (storedTwips > 0 && toPixels(storedTwips, twipsPerPixel) == pixels)
        return storedTwips;
    return pixels * qMax(1, twipsPerPixel);
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
