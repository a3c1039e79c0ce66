#include "settings/ProfileSettingsStore.h"

#include "settings/cProfile.h"

ProfileSettingsStore::ProfileSettingsStore(cProfile &profile)
    : m_profile(profile)
{
}

QString ProfileSettingsStore::read(const QString &section, const QString &key, const QString &defaultValue)
{
    return m_profile.ReadValue(section, key, defaultValue, m_profile.paths().IniFilePath, 4096);
}

void ProfileSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    m_profile.WriteValue(section, key, value, m_profile.paths().IniFilePath);
}

void ProfileSettingsStore::remove(const QString &section, const QString &key)
{
    m_profile.DeleteValue(section, key, m_profile.paths().IniFilePath);
}
