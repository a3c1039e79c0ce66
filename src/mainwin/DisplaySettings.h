#pragma once

#include "history/HistoryDocument.h"
#include "widgets/FontSetting.h"
#include "widgets/StoredColor.h"

#include <QDebug>
#include <QSize>
#include <QString>
#include <QStringList>

class SettingsStore;

// Keys of the display settings, in the order they are loaded. All live in section "Velomir"
// except UnExpandPaths, which is shared with the file manager in section "Common".
inline const QString KeyChangeDetectStrings = QStringLiteral("ChangeDetectStrings");
inline const QString KeyVersionDetectStrings = QStringLiteral("VersionDetectStrings");
inline const QString KeyShowListIcons = QStringLiteral("ShowListIcons");
inline const QString KeyDateInSeparateColumns = QStringLiteral("DateInSeparateColumns");
inline const QString KeyDayFormat = QStringLiteral("DayFormat");
inline const QString KeyDateFormat = QStringLiteral("DateFormat");
inline const QString KeyToolbarVisible = QStringLiteral("ToolbarVisible");
inline const QString KeyStatusBarVisible = QStringLiteral("StatusBarVisible");
inline const QString KeyWrapPanelVisible = QStringLiteral("WrapPanelVisible");
inline const QString KeyReversedList = QStringLiteral("ReversedList");
inline const QString KeyForegroundColor = QStringLiteral("ForegroundColor");
inline const QString KeyBackgroundColor = QStringLiteral("BackgroundColor");
inline const QString KeyAdditionsColor = QStringLiteral("AdditionsColor");
inline const QString KeyFixesColor = QStringLiteral("FixesColor");
inline const QString KeyFontName = QStringLiteral("FontName");
inline const QString KeyFontScript = QStringLiteral("FontScript");
inline const QString KeyFontSize = QStringLiteral("FontSize");
inline const QString KeyFontStyle = QStringLiteral("FontStyle");
inline const QString KeyFontName2 = QStringLiteral("FontName2");
inline const QString KeyFontScript2 = QStringLiteral("FontScript2");
inline const QString KeyFontSize2 = QStringLiteral("FontSize2");
inline const QString KeyFontStyle2 = QStringLiteral("FontStyle2");
inline const QString KeySplitPosition2 = QStringLiteral("SplitPosition2");
inline const QString KeySplitPosition = QStringLiteral("SplitPosition");
inline const QString KeyUnExpandPaths = QStringLiteral("UnExpandPaths");

// How the change log looks and is recognised. Defaults are those of a first run.
struct DisplaySettings
{
    QStringList ChangeDetectList{QStringLiteral("##.##.##*Added:*"), QStringLiteral("##.##.##*Fixed:*")};
    QStringList VersionDetectList{QStringLiteral("Release Total Commander"),
                                  QStringLiteral("Release Windows Commander"),
                                  QStringLiteral("New in version"), QStringLiteral("Release Wincmd"),
                                  QStringLiteral("Release Version 3.51")};
    bool ShowListIcons = true;
    bool DateInSeparateColumns = true;
    QString DayFormat = QStringLiteral("dddd");
    QString DateFormat = QStringLiteral("dd/MM/yyyy");
    bool ToolbarVisible = true;
    bool StatusBarVisible = true;
    bool WrapPanelVisible = true;
    qint32 ForegroundColor = SystemWindowTextColor;
    qint32 BackgroundColor = SystemWindowColor;
    qint32 AdditionsColor = 0x00800000; // dark blue
    qint32 FixesColor = 0x00000080;     // dark red
    FontSetting ListFont;
    FontSetting WrapFont;
    int SplitPosition2 = 7200; // twips: changes list above, wrap panel below
    int SplitPosition = 4725;  // twips: versions list beside the changes
    int UnExpandPaths = 3;

    DetectionSettings detection() const { return {VersionDetectList, ChangeDetectList}; }

    bool operator==(const DisplaySettings &) const = default;
};

QDebug operator<<(QDebug debug, const DisplaySettings &settings);

// Splits a stored list at every ",". The pieces are kept as they are; an empty text is no list.
QStringList splitDetectList(const QString &text);

// Reads every display setting with its default. A stored number that is not a whole decimal
// number is treated as absent, so a hand-edited typo gives the default instead of zero. A splitter
// is never placed closer than one pixel of the screen (`twipsPerPixel` across and down).
DisplaySettings LoadDisplaySettings(SettingsStore &store, QSize twipsPerPixel = QSize(15, 15));

// Writes what the Options dialog edits. An empty format becomes one blank, here and in the file,
// so that it is stored quoted and never reads back as absent.
void SaveDisplaySettings(DisplaySettings &settings, SettingsStore &store);

// Writes the view flags and splitter positions, which the main window saves at exit, with the order
// of the changes list ("ReversedList"), which the view in force holds.
void SaveViewState(const DisplaySettings &settings, bool reversedList, SettingsStore &store);
// The stored order of the changes list, read once at start.
bool LoadReversedList(SettingsStore &store);
