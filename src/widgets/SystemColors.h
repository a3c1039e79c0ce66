#pragma once

#include "widgets/StoredColor.h"

#include <QColor>
#include <QPalette>
#include <QString>

// Stored colours are 32-bit signed: 0x00BBGGRR for an explicit colour (red in the low byte), or
// 0x800000nn for the desktop's colour number nn, which is taken from a palette so that the
// defaults follow a light or a dark theme.

// The colour a stored value stands for, with system colours taken from `palette`.
QColor colorFromStored(qint32 stored, const QPalette &palette);
// The same with the application's palette.
QColor colorFromStored(qint32 stored);

// The explicit stored value of a colour (0x00BBGGRR).
qint32 storedFromColor(const QColor &color);

bool isSystemColor(qint32 stored);
// 0x800000nn for system colour number nn.
qint32 systemColorValue(int number);
// The system colour number of "WindowText" (8) or "Window" (5); -1 for any other name.
int systemColorNumber(const QString &name);

// `color` as drawn on `background`: kept when it stands out enough to read, otherwise mirrored in
// lightness with its hue kept, so that dark blue additions stay readable in a dark theme. Only
// the drawing changes; the stored setting stays as the user chose it.
QColor readableOn(const QColor &color, const QColor &background);
