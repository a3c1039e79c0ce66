#pragma once

#include <QString>

// Where the display settings are read from and written to. The program uses the profile store;
// tests put an in-memory table in its place.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text of `key`, or `defaultValue` when the key is absent.
    virtual QString read(const QString &section, const QString &key, const QString &defaultValue) = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
    virtual void remove(const QString &section, const QString &key) = 0;
};
