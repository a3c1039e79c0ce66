#include "mainwin/frmOptions.h"

#include "mainwin/CenterForm.h"
#include "mainwin/ColorSwatch.h"
#include "mainwin/CurrentDisplaySettings.h"
#include "mainwin/DisplayFonts.h"
#include "mainwin/FormatLineEdit.h"
#include "widgets/cCommonDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Swatch { Foreground, Background, Additions, Fixes };

QGroupBox *groupWithButton(const QString &title, QPushButton *button, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *layout = new QHBoxLayout(group);
    layout->addWidget(button);
    layout->addStretch();
    return group;
}

} // namespace

frmOptions::frmOptions(CurrentDisplaySettings &settings, SettingsStore &store, QWidget *owner)
    : QDialog(owner)
    , m_current(settings)
    , m_settings(settings.edit())
    , m_store(store)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setModal(true);
    createWidgets();
    showSettings();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CenterForm(this);
}

void frmOptions::createWidgets()
{
    m_chkShowListIcons = new QCheckBox(QStringLiteral("Show list &icons"), this);
    m_chkShowListIcons->setObjectName(QStringLiteral("chkShowListIcons"));
    m_chkDateInSeparateColumns = new QCheckBox(QStringLiteral("Show &date in separate columns"), this);
    m_chkDateInSeparateColumns->setObjectName(QStringLiteral("chkDateInSeparateColumns"));
    m_txtDayFormat = new FormatLineEdit(this);
    m_txtDayFormat->setObjectName(QStringLiteral("txtDayFormat"));
    m_txtDateFormat = new FormatLineEdit(this);
    m_txtDateFormat->setObjectName(QStringLiteral("txtDateFormat"));

    auto *layoutGroup = new QGroupBox(QStringLiteral("Layout:"), this);
    auto *formats = new QFormLayout;
    formats->addRow(QStringLiteral("Day format:"), m_txtDayFormat);
    formats->addRow(QStringLiteral("Date format:"), m_txtDateFormat);
    auto *layoutBox = new QVBoxLayout(layoutGroup);
    layoutBox->addWidget(m_chkShowListIcons);
    layoutBox->addWidget(m_chkDateInSeparateColumns);
    layoutBox->addLayout(formats);

    m_cmdChangeFont = new QPushButton(QStringLiteral("&Change..."), this);
    m_cmdChangeFont->setObjectName(QStringLiteral("cmdChangeFont"));
    m_cmdChangeWrapFont = new QPushButton(QStringLiteral("C&hange..."), this);
    m_cmdChangeWrapFont->setObjectName(QStringLiteral("cmdChangeWrapFont"));
    auto *fonts = new QHBoxLayout;
    fonts->addWidget(groupWithButton(QStringLiteral("List Font:"), m_cmdChangeFont, this));
    fonts->addWidget(groupWithButton(QStringLiteral("Wrap Font:"), m_cmdChangeWrapFont, this));

    auto *textGroup = new QGroupBox(QStringLiteral("Text:"), this);
    auto *swatches = new QGridLayout;
    const std::array<QString, 4> captions{QStringLiteral("Foreground"), QStringLiteral("Background"),
                                          QStringLiteral("Additions"), QStringLiteral("Fixes")};
    for (int i = 0; i < int(m_lblColorChange.size()); ++i) {
        auto *swatch = new ColorSwatch(captions[i], this);
        swatch->setObjectName(QStringLiteral("lblColorChange_%1").arg(i));
        swatches->addWidget(swatch, i / 2, i % 2);
        connect(swatch, &ColorSwatch::clicked, this, [this, i] { chooseColor(i); });
        m_lblColorChange[i] = swatch;
    }
    textGroup->setLayout(swatches);

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);

    auto *main = new QVBoxLayout(this);
    main->addWidget(layoutGroup);
    main->addLayout(fonts);
    main->addWidget(textGroup);
    main->addLayout(buttons);

    connect(m_chkDateInSeparateColumns, &QCheckBox::toggled, this, [this](bool on) {
        m_txtDayFormat->setEnabled(on);
        m_txtDateFormat->setEnabled(on);
    });
    connect(m_cmdChangeFont, &QPushButton::clicked, this, [this] { ChooseListFont(m_settings, this); });
    connect(m_cmdChangeWrapFont, &QPushButton::clicked, this, [this] { ChooseWrapFont(m_settings, this); });
    connect(m_cmdOK, &QPushButton::clicked, this, &frmOptions::acceptChanges);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmOptions::reject);
}

void frmOptions::showSettings()
{
    m_chkShowListIcons->setChecked(m_settings.ShowListIcons);
    m_chkDateInSeparateColumns->setChecked(m_settings.DateInSeparateColumns);
    m_txtDayFormat->setText(m_settings.DayFormat);
    m_txtDateFormat->setText(m_settings.DateFormat);
    m_txtDayFormat->setEnabled(m_settings.DateInSeparateColumns);
    m_txtDateFormat->setEnabled(m_settings.DateInSeparateColumns);
    m_lblColorChange[Foreground]->setColor(m_settings.ForegroundColor);
    m_lblColorChange[Background]->setColor(m_settings.BackgroundColor);
    m_lblColorChange[Additions]->setColor(m_settings.AdditionsColor);
    m_lblColorChange[Fixes]->setColor(m_settings.FixesColor);
}

void frmOptions::chooseColor(int index)
{
    const QString systemName = index == Foreground   ? QStringLiteral("WindowText")
                               : index == Background ? QStringLiteral("Window")
                                                     : QString();
    ColorSwatch *swatch = m_lblColorChange[index];
    const cCommonDialog::ColorAnswer answer =
        cCommonDialog::ShowColorDialog(this, swatch->color(), systemName);
    if (!answer.confirmed)
        return;
    bool ok = false;
    const int chosen = answer.color.trimmed().toInt(&ok);
    if (ok)
        swatch->setColor(chosen);
}

void frmOptions::acceptChanges()
{
    m_settings.ForegroundColor = m_lblColorChange[Foreground]->color();
    m_settings.BackgroundColor = m_lblColorChange[Background]->color();
    m_settings.AdditionsColor = m_lblColorChange[Additions]->color();
    m_settings.FixesColor = m_lblColorChange[Fixes]->color();
    m_settings.ShowListIcons = m_chkShowListIcons->isChecked();
    m_settings.DateInSeparateColumns = m_chkDateInSeparateColumns->isChecked();
    m_settings.DayFormat = m_txtDayFormat->text();
    m_settings.DateFormat = m_txtDateFormat->text();
    m_current.announceChange();
    SaveDisplaySettings(m_settings, m_store);
    accept();
}
