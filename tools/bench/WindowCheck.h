#pragma once

#include <QString>

// Whether the window stays alive and answering on a file, as a new user tries it: the viewer is
// started offscreen on the file in a child process and, once its first release is painted,
// "All" is chosen in lvVersionsList with a click. The child says how far it got; the parent
// kills it when it overruns a limit, so neither a freeze nor a crash can hang the check.

inline constexpr char AllProbeFlag[] = "--probe-all";

// Child side: prints "painted ms=T" once the loaded history is painted (or "refused ms=T text=..."
// when the window would not load it), then "answered ms=T" once, after the click on "All", the
// window has painted and its event loop has come round; T counts from the start of the probe.
int runAllProbe(int argc, char *argv[], const QString &path);

struct WindowAnswer
{
    enum class Verdict { Held, Failed };
    Verdict verdict = Verdict::Failed;
    double appearedMs = -1; // start of the child to the first paint of the loaded history
    double answeredMs = -1; // the click on "All" to the event loop answering again
    QString note;           // what happened, in words: refused, crashed, no answer
};

// Parent side: one child on `path`, allowed `appearLimitMs` to show the history and
// `answerLimitMs` to answer after "All" is chosen (a later answer is waited for a few times as
// long, to tell how late it came, and fails the check).
WindowAnswer checkWindowAnswers(const QString &self, const QString &path, int appearLimitMs,
                                int answerLimitMs);
