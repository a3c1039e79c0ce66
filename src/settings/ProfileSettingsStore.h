#pragma once

#include "settings/SettingsStore.h"

class cProfile;

// The settings file in use (globals().IniFilePath), reached through the program's one profile store.
class ProfileSettingsStore : public SettingsStore
{
public:
    explicit ProfileSettingsStore(cProfile &profile);

    QString read(const QString &section, const QString &key, const QString &defaultValue) override;
    void write(const QString &section, const QString &key, const QString &value) override;

private:
    cProfile &m_profile;
};
