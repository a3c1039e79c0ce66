#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

// The median of `samples` in milliseconds (the middle one; the upper middle for an even count).
double median(std::vector<double> samples);

// Runs `body` `reps` times and returns the median of its times in milliseconds; `after` runs
// after each timed run, outside the timing (to drop what the run built, for example).
template <typename Body, typename After> double medianMs(int reps, Body body, After after)
{
    std::vector<double> samples;
    for (int i = 0; i < reps; ++i) {
        QElapsedTimer timer;
        timer.start();
        body();
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        after();
    }
    return median(std::move(samples));
}

template <typename Body> double medianMs(int reps, Body body)
{
    return medianMs(reps, body, [] {});
}

// A process run to its end; its standard output is kept.
struct ProcessRun
{
    bool ok = false;
    double ms = 0;
    QByteArray output;
};
ProcessRun runProcess(const QString &program, const QStringList &arguments);

// The median time of `reps` runs of the process, and the output of the last run.
ProcessRun medianProcess(int reps, const QString &program, const QStringList &arguments);

// A field of /proc/self/status in bytes ("VmHWM", "VmRSS"), or -1 where there is none.
qint64 statusBytes(const char *field);
