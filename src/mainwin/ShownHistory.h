#pragma once

#include "history/ChangesView.h"
#include "history/HistoryDocument.h"

#include <QObject>
#include <QString>

// What the main window shows: the history read from its file, which of its releases are new since
// the user last looked, and the view of it (the release, "All" or "New since last time", the
// filter, the order, or the results of the last Find All). The windows read it here and change it
// through its commands; every change is announced, so that whatever shows it follows.
class ShownHistory : public QObject
{
    Q_OBJECT

public:
    explicit ShownHistory(QObject *parent = nullptr);

    const HistoryDocument &document() const { return m_document; }
    // The file the history was read from, as it was opened.
    const QString &filePath() const { return m_filePath; }
    const ChangesView &view() const { return m_view; }

    // A newly read history takes the place of the one shown; the releases above the one labelled
    // `lastSeenLabel` are new. The view is left for the caller to set.
    void replace(HistoryDocument document, const QString &filePath, const QString &lastSeenLabel);
    // The label that makes new, in the history read again, what is new now and whatever comes in
    // above the release shown at the top now.
    QString lastSeenAcrossReload() const;

    // The label of the first release, which is what a user who saw the history has seen; empty
    // without releases.
    QString newestReleaseLabel() const
    {
        return m_document.releases.empty() ? QString() : m_document.releases.front().label;
    }
    // The release seen last, below the new ones; none when no release is new.
    ReleaseIndex lastSeen() const { return m_lastSeen; }
    int newReleaseCount() const { return m_lastSeen.isNone() ? 0 : m_lastSeen.value(); }
    ReleasesListPlaces listPlaces() const { return {newReleaseCount() > 0}; }

    // Lists the changes of a release, or of "All" (ChangesView::All); leaves search results.
    void showRelease(ReleaseIndex releaseIndex);
    // Shows the release with that key ("k" plus its header's line index) as a click on it would;
    // false, changing nothing, when no release has the key.
    bool showReleaseWithKey(const QString &key);
    // Lists the new releases as "All" lists its lines; nothing happens when none is new.
    void showNew();
    void setFilter(ViewFilter filter);
    void setReversed(bool reversed);
    // Takes a whole view at once, as a history read again shows what was shown before. A view of
    // the new releases lists those of the history shown, or "All" when none is new any more.
    void setView(const ChangesView &view);

signals:
    void historyReplaced();
    // The view changed, or was asked for again (a release clicked twice lists it afresh).
    void viewChanged();

private:
    HistoryDocument m_document;
    QString m_filePath;
    ChangesView m_view;
    ReleaseIndex m_lastSeen;
};
