#include "mainwin/ShownHistory.h"

#include <utility>

ShownHistory::ShownHistory(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ShownHistory"));
}

void ShownHistory::replace(HistoryDocument document, const QString &filePath, const QString &lastSeenLabel)
{
    m_document = std::move(document);
    m_filePath = filePath;
    const ReleaseIndex lastSeen = m_document.releaseIndexOfLabel(lastSeenLabel);
    m_lastSeen = lastSeen.value() > 0 ? lastSeen : ReleaseIndex();
    emit historyReplaced();
}

QString ShownHistory::lastSeenAcrossReload() const
{
    const ReleaseIndex top = m_lastSeen.isNone() ? ReleaseIndex(0) : m_lastSeen;
    return top < m_document.releaseCount() ? m_document.releases[top.at()].label : QString();
}

void ShownHistory::showRelease(ReleaseIndex releaseIndex)
{
    ChangesView view = m_view;
    view.releaseIndex = releaseIndex;
    view.lastSeen = ReleaseIndex();
    view.mode = ChangesListMode::Changes;
    setView(view);
}

void ShownHistory::showNew()
{
    if (m_lastSeen.isNone())
        return;
    ChangesView view = m_view;
    view.releaseIndex = ChangesView::All;
    view.lastSeen = m_lastSeen;
    view.mode = ChangesListMode::Changes;
    setView(view);
}

bool ShownHistory::showReleaseWithKey(const QString &key)
{
    const ReleaseIndex release = m_document.releaseIndexOfKey(key);
    if (release.isNone())
        return false;
    showRelease(release);
    return true;
}

void ShownHistory::setFilter(ViewFilter filter)
{
    ChangesView view = m_view;
    view.filter = filter;
    setView(view);
}

void ShownHistory::setReversed(bool reversed)
{
    ChangesView view = m_view;
    view.reversed = reversed;
    setView(view);
}

void ShownHistory::setView(const ChangesView &view)
{
    m_view = view;
    if (!m_view.lastSeen.isNone())
        m_view.lastSeen = m_view.releaseIndex.isNone() ? m_lastSeen : ReleaseIndex();
    emit viewChanged();
}
