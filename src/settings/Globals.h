#pragma once

#include <QString>

class QRandomGenerator;

// Program-wide values fixed at start-up and read by the settings store and the path routines.
struct Globals
{
    QString AppDir;             // the program's folder, ending in the native separator
    QString IniFilePath;        // the settings file in use
    QString FileManagerDir;     // the file manager's folder, ending in a separator; empty until found
    QString MissingValueMarker; // default that tells an absent key from any stored value
    int UnExpandPaths = 3;      // bit 1: store "pellavorin:\" paths, bit 2: "%Commander_Path%" paths
    int TwipsPerPixelX = 15;
    int TwipsPerPixelY = 15;
};

Globals &globals();

inline constexpr QChar QuoteChar = u'"';
inline const QString TwoQuotes = QStringLiteral("\"\"");
inline const QString ProgramTitle = QStringLiteral("Velomir");

// Six capitals, six digits, six small letters: a text no real setting holds.
QString makeMissingValueMarker(QRandomGenerator &random);

// Makes a new MissingValueMarker; twips per pixel are set by the window layer, which knows the screen.
void InitGlobals();

// The folder of the running program with a trailing separator.
QString programDirectory();
