#include "mainwin/DisplayColors.h"

#include "mainwin/DisplaySettings.h"
#include "widgets/SystemColors.h"

#include <QPalette>
#include <QWidget>

DisplayColors DisplayColors::of(const DisplaySettings &settings)
{
    DisplayColors colors;
    colors.background = colorFromStored(settings.BackgroundColor);
    colors.foreground = colorFromStored(settings.ForegroundColor);
    colors.additions = readableOn(colorFromStored(settings.AdditionsColor), colors.background);
    colors.fixes = readableOn(colorFromStored(settings.FixesColor), colors.background);
    return colors;
}

void DisplayColors::applyTo(QWidget *control) const
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, foreground);
    control->setPalette(palette);
}
