#include "FirstPaintWatcher.h"

#include <QEvent>
#include <QTimer>

FirstPaintWatcher::FirstPaintWatcher(QObject *parent)
    : QObject(parent)
{
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (m_armed && !m_done && event->type() == QEvent::Paint) {
        m_done = true;
        // The filter sees the event before the widget paints: report once the paint is over.
        QTimer::singleShot(0, this, &FirstPaintWatcher::painted);
    }
    return QObject::eventFilter(watched, event);
}
