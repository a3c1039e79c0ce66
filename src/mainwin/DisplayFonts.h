#pragma once

#include "widgets/FontSetting.h"

#include <QFont>

class QWidget;
struct DisplaySettings;

// A font object for a stored font. A face that is not installed is left to Qt's font matching,
// which picks the nearest; a size that is not positive keeps `fallbackPointSize`.
QFont fontFromSetting(const FontSetting &setting, int fallbackPointSize);

// Give one control the list font or the wrap font.
void ApplyListFont(QWidget *control, const DisplaySettings &settings);
void ApplyWrapFont(QWidget *control, const DisplaySettings &settings);

// Run the font dialog for one font, owned by `owner`. When the user confirms, the font changes in
// `settings` at once; nothing is applied or saved. Returns whether it was confirmed.
bool ChooseListFont(DisplaySettings &settings, QWidget *owner);
bool ChooseWrapFont(DisplaySettings &settings, QWidget *owner);
