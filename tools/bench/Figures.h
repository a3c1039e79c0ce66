#pragma once

#include <QString>

#include <vector>

// What a figure is compared with: the time of a process run on the same file.
enum class Baseline { None, WcLines, GrepFixed, GrepWord };

// One timed figure of one file: the median over the repetitions, in milliseconds.
struct Figure
{
    QString key;   // stable name, used in the JSON and by the targets
    QString label; // what the table shows
    Baseline base = Baseline::None;
    double ms = -1;          // negative: not measured
    QString note;            // counts and remarks shown beside the figure
    bool userAction = false; // something a user does on a loaded file: it must not keep the window busy long
    qint64 count = -1;       // what it found or built (lines, rows, matches); -1: nothing counted
};

// Everything measured on one file.
struct FileFigures
{
    QString path;
    QString encoding; // as the viewer tells it: "ASCII", "UTF-8", "Windows-1252", "UTF-16"
    qint64 bytes = 0;
    int lines = 0;
    int releases = 0;
    std::vector<Figure> figures;

    // Resident memory, in bytes, from fresh processes; negative when not measured.
    qint64 loadPeakBytes = -1;     // highest resident size of a process that only loads the file
    qint64 loadRetainedBytes = -1; // resident growth that stays after the load
    qint64 windowPeakBytes = -1;   // highest resident size of the window process at its first paint

    const Figure *find(const QString &key) const
    {
        for (const Figure &f : figures) {
            if (f.key == key)
                return &f;
        }
        return nullptr;
    }
    double ms(const QString &key) const
    {
        const Figure *f = find(key);
        return f ? f->ms : -1;
    }
    double baseMs(Baseline base) const;
    // ms / base, or a negative value when either is missing.
    double ratio(const Figure &figure) const;
};
