#include "mainwin/ShownHistory.h"

#include <utility>

ShownHistory::ShownHistory(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("ShownHistory"));
}

void ShownHistory::replace(HistoryDocument document, const QString &filePath)
{
    m_document = std::move(document);
    m_filePath = filePath;
    emit historyReplaced();
}

void ShownHistory::showRelease(ReleaseIndex releaseIndex)
{
    ChangesView view = m_view;
    view.releaseIndex = releaseIndex;
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
    emit viewChanged();
}
