#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

// Holds the lock file beside a settings file ("velomir.ini.lock") for one read-modify-write, so
// that two running copies of the program writing the same file never lose each other's keys. A
// lock left by a copy that died is taken over. When the lock cannot be had in time the write is
// given up, never the program.
class IniFileLock
{
public:
    IniFileLock(const QString &iniPath, std::chrono::milliseconds timeout);
    IniFileLock(const IniFileLock &) = delete;
    IniFileLock &operator=(const IniFileLock &) = delete;

    bool isLocked() const { return m_lock.isLocked(); }

private:
    static constexpr std::chrono::milliseconds StaleAfter{2000};
    QLockFile m_lock;
};
