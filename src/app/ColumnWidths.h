#pragma once

#include <QList>
#include <QString>

// Column widths are stored in twips but shown in whole pixels.
namespace ColumnWidths {

// The twips to store for a column now `pixels` wide. A width still at the pixels its stored twips
// gave is stored as it was, so a column the user never touched does not creep at every exit.
int toStore(int pixels, int storedTwips);

// The fields of a stored list of numbers; a field that is no number is -1.
QList<int> numbers(const QString &text);

} // namespace ColumnWidths
