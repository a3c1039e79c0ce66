#pragma once

#include "widgets/FontSetting.h"

#include <QList>
#include <QString>

class QFont;
class QWidget;

// The one way the program shows the system's open-file, font and colour dialogs. Tests queue the
// next answers in advance and read back what was asked, so no test ever blocks on a dialog.
class cCommonDialog
{
public:
    // What the open-file dialog offers: where it starts, the name it proposes (taken in the case
    // the file has in the start folder, as a Windows dialog would find it), the filter (11 is
    // text files), its title (none: the usual one), whether the file must exist, and the
    // extension added to a name typed without one.
    struct OpenRequest
    {
        QString startDir;
        QString proposedName;
        int filterNumber = 0;
        QString title;
        bool fileMustExist = false;
        QString defaultExt;
        bool operator==(const OpenRequest &) const = default;
    };
    struct OpenAnswer
    {
        bool confirmed = false;
        QString path;
        bool operator==(const OpenAnswer &) const = default;
    };
    struct FontAnswer
    {
        bool confirmed = false;
        FontSetting font;
        bool operator==(const FontAnswer &) const = default;
    };
    struct ColorRequest
    {
        qint32 initialColor = 0;
        QString systemColorName; // "WindowText", "Window" or empty
        bool operator==(const ColorRequest &) const = default;
    };
    struct ColorAnswer
    {
        bool confirmed = false;
        QString color; // decimal text of the stored colour
        bool operator==(const ColorAnswer &) const = default;
    };

    // Filter 11 is text files; any other number offers all files.
    static constexpr int TextFilesFilter = 11;
    static OpenAnswer ShowOpenDialog(QWidget *owner, const OpenRequest &request);
    // Sizes offered are 8 to 72 points; the character set is handed back as it came.
    static FontAnswer ShowFontDialog(QWidget *owner, const FontSetting &initial);
    // With a system colour name the user may keep the colour on that system colour, which follows
    // the desktop's theme, instead of fixing an explicit one.
    static ColorAnswer ShowColorDialog(QWidget *owner, qint32 lngInitialColor,
                                       const QString &strSystemColorName);

    static QString filterText(int lngFilter);
    // Style bits of a chosen font; bold only for a weight of exactly QFont::Bold.
    static int styleBitsOf(const QFont &font);

    // For tests: answer from queued answers (cancel when none is left) and record the requests.
    static void scriptOpenAnswer(const OpenAnswer &answer);
    static void scriptFontAnswer(const FontAnswer &answer);
    static void scriptColorAnswer(const ColorAnswer &answer);
    static void startScripting();
    static void stopScripting();
    static QList<OpenRequest> openRequests();
    static QList<FontSetting> fontRequests();
    static QList<ColorRequest> colorRequests();
};
