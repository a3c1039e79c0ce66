#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

// Follows the history file shown: tells when it has changed on disk (written in place, or replaced
// by another file renamed over it), when it is gone or cannot be read, and when it is back. The
// folder is watched as well, since the watch on a file ends when the file is replaced or removed.
// What happens is reported once the file has been left alone for the settle time, so a file that
// is still being written is read once, when it is done; a file written without pause is read
// at the latest twice the settle time after the first change not yet reported.
// A file found empty, or smaller than when it was last read, is most likely being rewritten
// (emptied, then filled again): it is reported only once it has stayed so for the hold time,
// four settle times, so that what is shown stays meanwhile, as it does while the file is gone.
// Emptying and filling again takes a writer well under a second, even on a network share; a
// file left so for two seconds is meant to be so, and is shown as it is soon enough.
class HistoryFileWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultSettleTime{500};

    explicit HistoryFileWatcher(QObject *parent = nullptr);

    // Follows `path` from now on, taking the file as it is now as the one read.
    void follow(const QString &path);
    QString path() const { return m_path; }

    // The longest wait and the hold time follow the settle time.
    void setSettleTime(std::chrono::milliseconds time);
    // The change just reported could not be taken up now: report it again after the settle time.
    void retryLater(bool cameBack);

    // Texts for the status bar.
    static QString reloadedText(bool cameBack);
    static QString notReadText(const QString &reason);

signals:
    // The file differs from the one last read, or is back after it was gone: read it again.
    void changed(bool cameBack);
    // The file is gone or cannot be read; `message` says why, for the status bar.
    void lost(const QString &message);

private:
    struct Stamp
    {
        qint64 size = -1;
        QDateTime modified;
        QDateTime metadataChanged; // also moves when another file is renamed over this one
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);
    // Why the file cannot be read now, or empty when it can.
    static QString troubleReading(const QString &path);

    void noticed();
    void settle();
    void report(const Stamp &stamp);
    void watch();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;  // restarted by every change: the file is left alone
    QTimer m_longest; // started by the first change not yet reported
    QTimer m_hold;    // an empty or shrunken file has kept m_heldStamp this long
    QString m_path;
    Stamp m_stamp; // the file as last reported
    Stamp m_heldStamp;
    bool m_fileTouched = false; // the file itself was written or replaced, whatever its stamp says
    bool m_backUntold = false;  // its return is still to be reported
    QString m_trouble;          // why the file cannot be read; empty while it can
};
