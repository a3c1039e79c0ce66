#include "search/FindHistory.h"

#include "settings/Globals.h"
#include "settings/cProfile.h"

QString FindHistory::keyName(int number)
{
    return QStringLiteral("Find%1").arg(number);
}

FindHistory FindHistory::load(cProfile &profile)
{
    FindHistory history;
    const QString marker = globals().MissingValueMarker;
    for (int number = 1; number <= MaxEntries; ++number) {
        const QString value =
            profile.ReadValue(SectionVelomir, keyName(number), marker, globals().IniFilePath);
        if (value != marker)
            history.m_entries << value;
    }
    return history;
}

bool FindHistory::contains(const QString &text) const
{
    return m_entries.contains(text, Qt::CaseInsensitive);
}

bool FindHistory::add(const QString &text, cProfile &profile)
{
    if (contains(text))
        return false;
    if (m_entries.size() >= MaxEntries)
        m_entries.resize(MaxEntries - 1);
    m_entries.prepend(text);
    for (int index = 0; index < m_entries.size(); ++index)
        profile.WriteValue(SectionVelomir, keyName(index + 1), m_entries[index], globals().IniFilePath);
    return true;
}

void FindHistory::clear(cProfile &profile)
{
    m_entries.clear();
    for (int number = 1; number <= MaxEntries; ++number)
        profile.DeleteValue(SectionVelomir, keyName(number), globals().IniFilePath);
}
