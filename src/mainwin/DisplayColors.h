#pragma once

#include <QColor>

struct DisplaySettings;
class QWidget;

// The colours of the display settings as they are drawn: system colours taken from the desktop's
// palette, and the additions and fixes colours kept readable on the background.
struct DisplayColors
{
    QColor foreground;
    QColor background;
    QColor additions;
    QColor fixes;

    static DisplayColors of(const DisplaySettings &settings);

    // Gives a list or a text panel the background and text colours.
    void applyTo(QWidget *control) const;
};
