#include "mainwin/FormatLineEdit.h"

void FormatLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    deselect();
    end(false);
}
