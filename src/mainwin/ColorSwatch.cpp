#include "mainwin/ColorSwatch.h"

#include "widgets/SystemColors.h"

#include <QKeyEvent>
#include <QMouseEvent>

ColorSwatch::ColorSwatch(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMinimumSize(90, 28);
    setCursor(Qt::PointingHandCursor);
    showColor();
}

void ColorSwatch::setColor(qint32 stored)
{
    m_color = stored;
    showColor();
}

void ColorSwatch::showColor()
{
    const QColor background = colorFromStored(m_color);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    // The caption stays readable on any colour.
    colours.setColor(QPalette::WindowText, background.lightness() < 128 ? Qt::white : Qt::black);
    setPalette(colours);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ColorSwatch::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ColorSwatch::focusInEvent(QFocusEvent *event)
{
    setLineWidth(2);
    QLabel::focusInEvent(event);
}

void ColorSwatch::focusOutEvent(QFocusEvent *event)
{
    setLineWidth(1);
    QLabel::focusOutEvent(event);
}
