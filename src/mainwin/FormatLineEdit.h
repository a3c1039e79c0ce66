#pragma once

#include <QLineEdit>

// A text box that puts the caret after the text whenever it receives the focus, so a format is
// extended rather than replaced.
class FormatLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
