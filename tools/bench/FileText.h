#pragma once

#include <QString>

// What the bytes of a history file are, told the way the viewer tells them: a UTF-16 byte order
// mark, else a UTF-8 one or valid UTF-8, else Windows-1252; plain ASCII where no byte is above 127.
struct FileText
{
    bool readable = false;
    bool ascii = false;
    QString encoding; // "ASCII", "UTF-8", "UTF-16" or "Windows-1252"
};

// Reads the whole file once, which also leaves it warm in the page cache for the timings.
FileText inspectFile(const QString &path);

// `text` with its accents dropped ("FENÊTRE" -> "FENETRE"): how a word is spelt in the form of a
// history that holds only ASCII.
QString withoutAccents(const QString &text);
