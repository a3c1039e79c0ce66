#pragma once

#include <QString>

// Figures that need a process of their own: memory high-water marks, which earlier work in the
// same process would inflate, and the start of the viewer. The benchmark program starts itself
// again with one of the child flags below.

inline constexpr char LoadProbeFlag[] = "--probe-load";
inline constexpr char WindowProbeFlag[] = "--probe-window";

// Child side: loads `path` and prints "before=B after=A peak=P lines=N" (resident bytes).
int runLoadProbe(const QString &path);
// Child side: starts the main window offscreen on `path` and prints "painted peak=P" once the
// list of the first release has been painted, then quits.
int runWindowProbe(int argc, char *argv[], const QString &path);

struct LoadMemory
{
    bool ok = false;
    qint64 beforeBytes = 0;
    qint64 afterBytes = 0;
    qint64 peakBytes = 0;
};
// Parent side: `reps` fresh processes that load the file; the median of each figure.
LoadMemory probeLoadMemory(const QString &self, const QString &path, int reps);

struct WindowStart
{
    bool ok = false;
    double ms = 0; // median, from starting the process to the first paint
    qint64 peakBytes = 0;
};
// Parent side: `reps` fresh viewer processes on the file.
WindowStart probeWindowStart(const QString &self, const QString &path, int reps);
