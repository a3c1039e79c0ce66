#include "settings/ProfileSettingsStore.h"

#include "settings/Globals.h"
#include "settings/cProfile.h"

ProfileSettingsStore::ProfileSettingsStore(cProfile &profile)
    : m_profile(profile)
{
}

QString ProfileSettingsStore::read(const QString &section, const QString &key, const QString &defaultValue)
{
    return m_profile.ReadValue(section, key, defaultValue, globals().IniFilePath, 4096);
}

void ProfileSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    m_profile.WriteValue(section, key, value, globals().IniFilePath);
}
