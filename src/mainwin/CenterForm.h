#pragma once

class QWidget;

// Moves a window so that it sits in the middle of its screen (the primary one when it has none),
// moved and shrunk onto the screen's available area when it does not fit there.
void CenterForm(QWidget *form);
