#pragma once

#include "history/HistoryLines.h"

#include <QString>

// A line is shown (in a list cell or the wrap panel) up to this many characters, then cut, with a
// marker that says it goes on and how long it is: laying out a line of hundreds of megabytes froze
// or crashed the window. Only what is shown is decoded. Search, copy and the reports use the whole
// line.
inline constexpr qsizetype ShownCharacters = 65536;

struct ShownText
{
    QString text;             // what is shown, the marker included
    qsizetype lineLength = 0; // characters of the text that are the line's own, before any marker
    bool cut = false;
};

// The marker after the part shown of a line of `characters` characters.
QString cutMarker(qsizetype characters);

// A whole line as shown.
ShownText shownLine(const HistoryLines &lines, LineIndex line);
// The Change text of a line as shown: after the date without surrounding blanks, or the whole line
// when it has no date (GetChangeText).
ShownText shownChange(const HistoryLines &lines, LineIndex line);
// Where the Change text of a line begins in the whole line: after the date and its blanks.
qsizetype changeStart(const HistoryLines &lines, LineIndex line);
// Any text (a release's label) cut the same way.
QString shownText(const QString &text);
