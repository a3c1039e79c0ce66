#include "settings/IniFileLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QThread>

Q_DECLARE_LOGGING_CATEGORY(lcIniFile)

IniFileLock::IniFileLock(const QString &iniPath, std::chrono::milliseconds timeout)
    : m_lock(iniPath + QStringLiteral(".lock"))
{
    const QFileInfo info(iniPath);
    // Nothing is ever written to a device or a pipe, so no lock file is made beside one.
    if (info.exists() && !info.isFile()) {
        qCWarning(lcIniFile) << "Not writing" << iniPath << "because it is not a regular file";
        return;
    }
    // The folder may not exist before the first write; the save creates it anyway.
    QDir().mkpath(info.absolutePath());
    // A copy holds the lock for one read-modify-write, a few milliseconds, so a lock file older than
    // StaleAfter was left by a copy that died, perhaps before it could write its name in it. Qt's
    // default of thirty seconds would give up every write until then. A running holder keeps its
    // lock file open, and that keeps it from being taken over at any age.
    m_lock.setStaleLockTime(StaleAfter);
    // Probed often and at random moments rather than with QLockFile's growing pauses, so that a
    // copy writing key after key cannot keep the other out until the time is up.
    QElapsedTimer waited;
    waited.start();
    while (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError &&
           waited.elapsed() < timeout.count())
        QThread::msleep(QRandomGenerator::global()->bounded(1, 8));
    if (!m_lock.isLocked())
        qCWarning(lcIniFile) << "Not writing" << iniPath
                             << "because its lock could not be taken:" << m_lock.error();
}
