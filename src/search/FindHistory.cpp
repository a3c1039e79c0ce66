#include "search/FindHistory.h"

#include "settings/Globals.h"
#include "settings/SettingsStore.h"
#include "settings/cProfile.h"

QString FindHistory::keyName(int number)
{
    return QStringLiteral("Find%1").arg(number);
}

FindHistory FindHistory::load(SettingsStore &settings)
{
    FindHistory history;
    const QString &marker = missingValueMarker();
    for (int number = 1; number <= MaxEntries; ++number) {
        const QString value = settings.read(SectionVelomir, keyName(number), marker);
        if (value != marker)
            history.m_entries << value;
    }
    return history;
}

bool FindHistory::contains(const QString &text) const
{
    return m_entries.contains(text, Qt::CaseInsensitive);
}

bool FindHistory::add(const QString &text, SettingsStore &settings)
{
    if (contains(text))
        return false;
    if (m_entries.size() >= MaxEntries)
        m_entries.resize(MaxEntries - 1);
    m_entries.prepend(text);
    for (int index = 0; index < m_entries.size(); ++index)
        settings.write(SectionVelomir, keyName(index + 1), m_entries[index]);
    return true;
}

void FindHistory::clear(SettingsStore &settings)
{
    m_entries.clear();
    for (int number = 1; number <= MaxEntries; ++number)
        settings.remove(SectionVelomir, keyName(number));
}
