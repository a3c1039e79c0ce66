#pragma once

#include <QDialog>

#include <array>

class ColorSwatch;
class FormatLineEdit;
class QCheckBox;
class QPushButton;
class SettingsStore;
struct DisplaySettings;

// Edits the visual display settings. Boxes, texts and colours take effect only on OK; a font
// confirmed in the font dialog changes the live settings at once.
class frmOptions : public QDialog
{
    Q_OBJECT
public:
    frmOptions(DisplaySettings &settings, SettingsStore &store, QWidget *owner = nullptr);

signals:
    // OK took the edited settings into the live ones, before storing them: windows show them now.
    void settingsChanged();

private:
    void createWidgets();
    void showSettings();
    void chooseColor(int index);
    void acceptChanges();

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
