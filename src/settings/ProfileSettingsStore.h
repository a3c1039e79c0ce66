#pragma once

#include "settings/SettingsStore.h"

class cProfile;

// The settings of the program: its settings file (the profile's paths.IniFilePath), reached through
// the program's one profile store. Made once at start and handed to every window and report.
class ProfileSettingsStore : public SettingsStore
{
public:
    explicit ProfileSettingsStore(cProfile &profile);

    QString read(const QString &section, const QString &key, const QString &defaultValue) override;
    void write(const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &section, const QString &key) override;

    cProfile &profile() { return m_profile; }

private:
    cProfile &m_profile;
};
