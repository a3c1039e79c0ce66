#pragma once

#include <QObject>

// Watches a widget for the first paint after it is armed, and says so once that paint is done.
class FirstPaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FirstPaintWatcher(QObject *parent = nullptr);

    void arm() { m_armed = true; }

signals:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_armed = false;
    bool m_done = false;
};
