#include "mainwin/DisplayFonts.h"

#include "mainwin/DisplaySettings.h"
#include "widgets/cCommonDialog.h"

#include <QWidget>

namespace {

void applyFont(QWidget *control, const FontSetting &setting)
{
    if (control)
        control->setFont(fontFromSetting(setting, control->font().pointSize()));
}

bool chooseFont(FontSetting &setting, QWidget *owner)
{
    const cCommonDialog::FontAnswer answer = cCommonDialog::ShowFontDialog(owner, setting);
    if (answer.confirmed)
        setting = answer.font;
    return answer.confirmed;
}

} // namespace

QFont fontFromSetting(const FontSetting &setting, int fallbackPointSize)
{
    QFont font;
    font.setFamily(setting.name);
    const int size = setting.size > 0 ? setting.size : fallbackPointSize;
    if (size > 0)
        font.setPointSize(size);
    font.setBold((setting.style & FontSetting::Bold) != 0);
    font.setItalic((setting.style & FontSetting::Italic) != 0);
    font.setStrikeOut((setting.style & FontSetting::Strikeout) != 0);
    font.setUnderline((setting.style & FontSetting::Underline) != 0);
    return font;
}

void ApplyListFont(QWidget *control, const DisplaySettings &settings)
{
    applyFont(control, settings.ListFont);
}

void ApplyWrapFont(QWidget *control, const DisplaySettings &settings)
{
    applyFont(control, settings.WrapFont);
}

bool ChooseListFont(DisplaySettings &settings, QWidget *owner)
{
    return chooseFont(settings.ListFont, owner);
}

bool ChooseWrapFont(DisplaySettings &settings, QWidget *owner)
{
    return chooseFont(settings.WrapFont, owner);
}
