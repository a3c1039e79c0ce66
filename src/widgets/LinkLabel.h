#pragma once

#include <QLabel>

// A label that acts like a web link: underlined, a pointing hand, and clicked by the mouse or, once
// it has the focus, by Space or Enter.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
