#pragma once

#include <QDialog>

#include <array>

class ColorSwatch;
class FormatLineEdit;
class QCheckBox;
class QPushButton;
class CurrentDisplaySettings;
class SettingsStore;
struct DisplaySettings;

// Edits the visual display settings. Boxes, texts and colours take effect only on OK, which
// announces the change before storing it; a font confirmed in the font dialog changes the
// settings in force at once, to be shown at the next OK.
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    frmOptions(CurrentDisplaySettings &settings, SettingsStore &store, QWidget *owner = nullptr);

private:
    void createWidgets();
    void showSettings();
    void chooseColor(int index);
    void acceptChanges();

    CurrentDisplaySettings &m_current;
    DisplaySettings &m_settings;
    SettingsStore &m_store;

    QCheckBox *m_chkShowListIcons = nullptr;
    QCheckBox *m_chkDateInSeparateColumns = nullptr;
    FormatLineEdit *m_txtDayFormat = nullptr;
    FormatLineEdit *m_txtDateFormat = nullptr;
    QPushButton *m_cmdChangeFont = nullptr;
    QPushButton *m_cmdChangeWrapFont = nullptr;
    std::array<ColorSwatch *, 4> m_lblColorChange{};
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdCancel = nullptr;
};
