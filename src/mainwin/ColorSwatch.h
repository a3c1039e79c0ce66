#pragma once

#include <QLabel>

// A caption shown on a stored colour; clicking it, or pressing Space or Enter on it, asks for
// another colour.
class ColorSwatch : public QLabel
{
    Q_OBJECT
public:
    explicit ColorSwatch(const QString &caption, QWidget *parent = nullptr);

    qint32 color() const { return m_color; }
    void setColor(qint32 stored);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showColor();

    qint32 m_color = 0;
};
