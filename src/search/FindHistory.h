#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The texts searched for lately, the most recent first: at most MaxEntries of them, and no two
// that differ only in letter case. Kept as "Find1" (the most recent) to "Find20" in the program's
// section of the settings file.
class FindHistory
{
public:
    static constexpr int MaxEntries = 20;

    // "Find" followed by the number (1 for the most recent).
    static QString keyName(int number);

    // The stored entries in key order; an absent key adds nothing, an empty value an empty entry.
    static FindHistory load(SettingsStore &settings);

    const QStringList &entries() const { return m_entries; }
    bool contains(const QString &text) const;

    // Puts a new text on top, dropping the oldest entry when the history is full, and writes every
    // entry under its key. A text already present in any letter case changes and writes nothing.
    bool add(const QString &text, SettingsStore &settings);

    // Forgets every entry and deletes all the keys.
    void clear(SettingsStore &settings);

private:
    QStringList m_entries;
};
