#pragma once

#include <QDebug>
#include <QString>

// A stored font: face, character set number (1 is the system default), size in whole points and
// style bits. Qt picks fonts without a character set; the number is kept so it round-trips.
struct FontSetting
{
    enum StyleBit { Bold = 1, Italic = 2, Strikeout = 4, Underline = 8 };

    QString name = QStringLiteral("MS Sans Serif");
    int script = 1;
    int size = 8;
    int style = 0;

    bool operator==(const FontSetting &) const = default;
};

inline QDebug operator<<(QDebug debug, const FontSetting &font)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "FontSetting(" << font.name << ", script " << font.script << ", " << font.size
                    << " pt, style " << font.style << ')';
    return debug;
}
