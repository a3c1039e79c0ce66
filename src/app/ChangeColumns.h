#pragma once

class QFont;
class QHeaderView;
class QString;
class SettingsStore;

// The column layout of lvChangesList: widths in twips and, with separate date columns, the order
// the user dragged the headings into. Read when the columns are made, written at exit.
namespace ChangeColumns {
void setup(QHeaderView *header, bool separateColumns, SettingsStore &store);
void save(const QHeaderView *header, bool separateColumns, SettingsStore &store);
// With separate date columns, widens the Day and Date columns (never narrows them) so that every
// day name and date in these formats shows whole in `font`, beside the row's icon when icons show.
void fitDateColumns(QHeaderView *header, const QFont &font, const QString &dayFormat,
                    const QString &dateFormat, bool showIcons);
} // namespace ChangeColumns
