#pragma once

#include "history/ChangesView.h"
#include "history/HistoryDocument.h"

#include <QObject>
#include <QString>

// What the main window shows: the history read from its file, and the view of it (the release or
// "All", the filter, the order, or the results of the last Find All). The windows read it here and
// change it through its commands; every change is announced, so that whatever shows it follows.
class ShownHistory : public QObject
{
    Q_OBJECT

public:
    explicit ShownHistory(QObject *parent = nullptr);

    const HistoryDocument &document() const { return m_document; }
    // The file the history was read from, as it was opened.
    const QString &filePath() const { return m_filePath; }
    const ChangesView &view() const { return m_view; }

    // A newly read history takes the place of the one shown; the view is left for the caller to set.
    void replace(HistoryDocument document, const QString &filePath);

    // Lists the changes of a release, or of "All" (ChangesView::All); leaves search results.
    void showRelease(ReleaseIndex releaseIndex);
    // Shows the release with that key ("k" plus its header's line index) as a click on it would;
    // false, changing nothing, when no release has the key.
    bool showReleaseWithKey(const QString &key);
    void setFilter(ViewFilter filter);
    void setReversed(bool reversed);
    // Takes a whole view at once, as a history read again shows what was shown before.
    void setView(const ChangesView &view);

signals:
    void historyReplaced();
    // The view changed, or was asked for again (a release clicked twice lists it afresh).
    void viewChanged();

private:
    HistoryDocument m_document;
    QString m_filePath;
    ChangesView m_view;
};
