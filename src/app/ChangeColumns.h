#pragma once

class QHeaderView;
class SettingsStore;

// The column layout of lvChangesList: widths in twips and, with separate date columns, the order
// the user dragged the headings into. Read when the columns are made, written at exit.
namespace ChangeColumns {
void setup(QHeaderView *header, bool separateColumns, SettingsStore &store);
void save(const QHeaderView *header, bool separateColumns, SettingsStore &store);
} // namespace ChangeColumns
