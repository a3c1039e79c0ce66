#include "mainwin/DisplaySettings.h"

#include "settings/SettingsStore.h"
#include "settings/cProfile.h"

#include <algorithm>

namespace {

const QString FlagOn = QStringLiteral("1");
const QString FlagOff = QStringLiteral("0");

QString flagText(bool on)
{
    return on ? FlagOn : FlagOff;
}

// Reads the decimal text of a whole number; anything else (blank, "abc", "1.5", out of the
// 32-bit range) gives the key's default.
int readNumber(SettingsStore &store, const QString &key, int defaultValue,
               const QString &section = SectionVelomir)
{
    bool ok = false;
    const int value = store.read(section, key, QString::number(defaultValue)).trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

QString readText(SettingsStore &store, const QString &key, const QString &defaultValue)
{
    return store.read(SectionVelomir, key, defaultValue);
}

bool readFlag(SettingsStore &store, const QString &key, bool defaultValue)
{
    return readNumber(store, key, defaultValue ? 1 : 0) != 0;
}

FontSetting readFont(SettingsStore &store, const QString &name, const QString &script, const QString &size,
                     const QString &style)
{
    const FontSetting defaults;
    FontSetting font;
    font.name = readText(store, name, defaults.name);
    font.script = readNumber(store, script, defaults.script);
    font.size = readNumber(store, size, defaults.size);
    font.style = readNumber(store, style, defaults.style);
    return font;
}

void writeFont(SettingsStore &store, const FontSetting &font, const QString &name, const QString &script,
               const QString &size, const QString &style)
{
    store.write(SectionVelomir, name, font.name);
    store.write(SectionVelomir, script, QString::number(font.script));
    store.write(SectionVelomir, size, QString::number(font.size));
    store.write(SectionVelomir, style, QString::number(font.style));
}

} // namespace

QStringList splitDetectList(const QString &text)
{
    // A blank piece would match every line; an empty setting therefore means "no patterns".
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char(','));
}

DisplaySettings LoadDisplaySettings(SettingsStore &store, QSize twipsPerPixel)
{
    const DisplaySettings defaults;
    DisplaySettings s;

    s.ChangeDetectList =
        splitDetectList(readText(store, KeyChangeDetectStrings, defaults.ChangeDetectList.join(u',')));
    s.VersionDetectList =
        splitDetectList(readText(store, KeyVersionDetectStrings, defaults.VersionDetectList.join(u',')));

    s.ShowListIcons = readFlag(store, KeyShowListIcons, defaults.ShowListIcons);
    s.DateInSeparateColumns = readFlag(store, KeyDateInSeparateColumns, defaults.DateInSeparateColumns);
    s.DayFormat = readText(store, KeyDayFormat, defaults.DayFormat);
    s.DateFormat = readText(store, KeyDateFormat, defaults.DateFormat);
    s.ToolbarVisible = readFlag(store, KeyToolbarVisible, defaults.ToolbarVisible);
    s.StatusBarVisible = readFlag(store, KeyStatusBarVisible, defaults.StatusBarVisible);
    s.WrapPanelVisible = readFlag(store, KeyWrapPanelVisible, defaults.WrapPanelVisible);

    s.ForegroundColor = readNumber(store, KeyForegroundColor, defaults.ForegroundColor);
    s.BackgroundColor = readNumber(store, KeyBackgroundColor, defaults.BackgroundColor);
    s.AdditionsColor = readNumber(store, KeyAdditionsColor, defaults.AdditionsColor);
    s.FixesColor = readNumber(store, KeyFixesColor, defaults.FixesColor);
    s.ListFont = readFont(store, KeyFontName, KeyFontScript, KeyFontSize, KeyFontStyle);
    s.WrapFont = readFont(store, KeyFontName2, KeyFontScript2, KeyFontSize2, KeyFontStyle2);

    // A splitter of less than one pixel could not be grabbed again.
    s.SplitPosition2 =
        std::max(readNumber(store, KeySplitPosition2, defaults.SplitPosition2), twipsPerPixel.width());
    s.SplitPosition =
        std::max(readNumber(store, KeySplitPosition, defaults.SplitPosition), twipsPerPixel.height());

    s.UnExpandPaths =
        std::clamp(readNumber(store, KeyUnExpandPaths, defaults.UnExpandPaths, SectionCommon), 0, 3);
    return s;
}

void SaveDisplaySettings(DisplaySettings &settings, SettingsStore &store)
{
    const QString blank = QStringLiteral(" ");
    if (settings.DayFormat.isEmpty())
        settings.DayFormat = blank;
    if (settings.DateFormat.isEmpty())
        settings.DateFormat = blank;

    store.write(SectionVelomir, KeyShowListIcons, flagText(settings.ShowListIcons));
    store.write(SectionVelomir, KeyDateInSeparateColumns, flagText(settings.DateInSeparateColumns));
    store.write(SectionVelomir, KeyDayFormat, settings.DayFormat);
    store.write(SectionVelomir, KeyDateFormat, settings.DateFormat);
    store.write(SectionVelomir, KeyForegroundColor, QString::number(settings.ForegroundColor));
    store.write(SectionVelomir, KeyBackgroundColor, QString::number(settings.BackgroundColor));
    store.write(SectionVelomir, KeyAdditionsColor, QString::number(settings.AdditionsColor));
    store.write(SectionVelomir, KeyFixesColor, QString::number(settings.FixesColor));
    writeFont(store, settings.ListFont, KeyFontName, KeyFontScript, KeyFontSize, KeyFontStyle);
    writeFont(store, settings.WrapFont, KeyFontName2, KeyFontScript2, KeyFontSize2, KeyFontStyle2);
}

bool LoadReversedList(SettingsStore &store)
{
    return readFlag(store, KeyReversedList, false);
}

void SaveViewState(const DisplaySettings &settings, bool reversedList, SettingsStore &store)
{
    store.write(SectionVelomir, KeyToolbarVisible, flagText(settings.ToolbarVisible));
    store.write(SectionVelomir, KeyStatusBarVisible, flagText(settings.StatusBarVisible));
    store.write(SectionVelomir, KeyWrapPanelVisible, flagText(settings.WrapPanelVisible));
    store.write(SectionVelomir, KeyReversedList, flagText(reversedList));
    store.write(SectionVelomir, KeySplitPosition2, QString::number(settings.SplitPosition2));
    store.write(SectionVelomir, KeySplitPosition, QString::number(settings.SplitPosition));
}

QDebug operator<<(QDebug debug, const DisplaySettings &s)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "DisplaySettings(changes " << s.ChangeDetectList << ", versions "
                    << s.VersionDetectList << ", icons " << s.ShowListIcons << ", date columns "
                    << s.DateInSeparateColumns << ", day " << s.DayFormat << ", date " << s.DateFormat
                    << ", toolbar " << s.ToolbarVisible << ", status bar " << s.StatusBarVisible
                    << ", wrap panel " << s.WrapPanelVisible << ", colours " << s.ForegroundColor << '/'
                    << s.BackgroundColor << '/' << s.AdditionsColor << '/' << s.FixesColor << ", list font "
                    << s.ListFont << ", wrap font " << s.WrapFont << ", splits " << s.SplitPosition2 << '/'
                    << s.SplitPosition << ", unexpand " << s.UnExpandPaths << ')';
    return debug;
}
