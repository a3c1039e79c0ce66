#pragma once

class QWidget;

// Moves a window so that it sits in the middle of its screen (the primary one when it has none).
void CenterForm(QWidget *form);
