#pragma once

#include "settings/SettingsStore.h"

#include <QMap>
#include <QStringList>

// A settings file held in memory: values as stored, and the keys in the order they were written.
class MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString &section, const QString &key, const QString &defaultValue) override
    {
        return m_values.value(section + u'/' + key, defaultValue);
    }
    void write(const QString &section, const QString &key, const QString &value) override
    {
        m_values.insert(section + u'/' + key, value);
        m_written << key;
    }
    void remove(const QString &section, const QString &key) override
    {
        m_values.remove(section + u'/' + key);
    }
    void set(const QString &section, const QString &key, const QString &value)
    {
        m_values.insert(section + u'/' + key, value);
    }
    QStringList writtenKeys() const { return m_written; }

private:
    QMap<QString, QString> m_values;
    QStringList m_written;
};
