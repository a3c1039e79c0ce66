#include "mainwin/CenterForm.h"

#include "widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterForm(QWidget *form)
{
    if (!form)
        return;
    QScreen *screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    if (!form->isVisible())
        form->adjustSize();
    const QRect area = screen->geometry();
    const QSize size = form->frameGeometry().size();
    form->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    // Centred on a screen smaller than itself, it would reach past the edges.
    ScreenPlacement::keepOnScreen(form);
}
