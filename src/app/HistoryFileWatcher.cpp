#include "app/HistoryFileWatcher.h"

#include <QFileInfo>

#include <utility>

HistoryFileWatcher::HistoryFileWatcher(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("HistoryFileWatcher"));
    for (QTimer *timer : {&m_settle, &m_longest, &m_hold})
        timer->setSingleShot(true);
    setSettleTime(DefaultSettleTime);
    connect(&m_settle, &QTimer::timeout, this, &HistoryFileWatcher::settle);
    connect(&m_longest, &QTimer::timeout, this, &HistoryFileWatcher::settle);
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (troubleReading(m_path).isEmpty() && stampOf(m_path) == m_heldStamp)
            report(m_heldStamp);
        else
            settle();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, [this] {
        m_fileTouched = true;
        noticed();
    });
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &HistoryFileWatcher::noticed);
}

void HistoryFileWatcher::setSettleTime(std::chrono::milliseconds time)
{
    m_settle.setInterval(time);
    m_longest.setInterval(2 * time);
    m_hold.setInterval(4 * time);
}

void HistoryFileWatcher::noticed()
{
    // Each event starts the settle time afresh; the longest wait runs from the first one.
    m_settle.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void HistoryFileWatcher::follow(const QString &path)
{
    for (QTimer *timer : {&m_settle, &m_longest, &m_hold})
        timer->stop();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_path = path;
    m_stamp = stampOf(path);
    m_fileTouched = false;
    m_backUntold = false;
    m_trouble.clear();
    if (!path.isEmpty())
        watch();
}

void HistoryFileWatcher::retryLater(bool cameBack)
{
    m_fileTouched = true;
    m_backUntold = m_backUntold || cameBack;
    m_settle.start();
}

void HistoryFileWatcher::watch()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    // Watched anew each time: the watch may still hold a file that another one was renamed over.
    if (m_watcher.files().contains(m_path))
        m_watcher.removePath(m_path);
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void HistoryFileWatcher::settle()
{
    m_settle.stop();
    m_longest.stop();
    if (m_path.isEmpty())
        return;
    watch();
    const QString trouble = troubleReading(m_path);
    if (!trouble.isEmpty()) {
        m_hold.stop();
        m_fileTouched = false;
        if (trouble != m_trouble) {
            m_trouble = trouble;
            emit lost(notReadText(trouble));
        }
        return;
    }
    const Stamp stamp = stampOf(m_path);
    if (stamp != m_stamp && (stamp.size == 0 || stamp.size < m_stamp.size)) {
        // Held from the last change on: a change since starts the hold time again.
        if (!m_hold.isActive() || stamp != m_heldStamp) {
            m_heldStamp = stamp;
            m_hold.start();
        }
        return;
    }
    m_hold.stop();
    report(stamp);
}

void HistoryFileWatcher::report(const Stamp &stamp)
{
    const bool cameBack = !m_trouble.isEmpty() || std::exchange(m_backUntold, false);
    const bool differs = std::exchange(m_fileTouched, false) || cameBack || stamp != m_stamp;
    m_stamp = stamp;
    m_trouble.clear();
    if (differs)
        emit changed(cameBack);
}

HistoryFileWatcher::Stamp HistoryFileWatcher::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified(), info.metadataChangeTime()};
}

QString HistoryFileWatcher::troubleReading(const QString &path)
{
    // Looked at, never opened: opening a pipe that has taken the file's name would block.
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("The file was removed.");
    if (info.isDir())
        return QStringLiteral("A folder has taken its name.");
    if (!info.isFile())
        return QStringLiteral("It is no longer a regular file.");
    if (!info.isReadable())
        return QStringLiteral("Permission denied.");
    return {};
}

QString HistoryFileWatcher::reloadedText(bool cameBack)
{
    return cameBack ? QStringLiteral("Reloaded: the file can be read again")
                    : QStringLiteral("Reloaded: the file changed on disk");
}

QString HistoryFileWatcher::notReadText(const QString &reason)
{
    return QStringLiteral("Cannot reload: %1 The history shown is as last read.").arg(reason);
}
