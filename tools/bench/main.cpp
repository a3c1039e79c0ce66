// velomir_bench [--reps N] [--json PATH] [FILE...] [--forms FILE...]
// velomir_bench --check-window APPEAR_S ANSWER_S FILE...
//
// Times the viewer's work on each history file against wc and grep run on the same file, and
// prints one Markdown table of every figure (median of N runs, milliseconds and ratio to the
// baseline) followed by the targets; the same goes to PATH as JSON. The files after --forms are
// one history in several encodings: they get a table of their own, where each figure is also set
// against the first form's.
//
// --check-window starts the viewer on each file in a child process, chooses "All" once the
// history is shown, and prints one line per file, fields separated by tabs: the file, "held" or
// "failed", milliseconds to the first paint and to the answer after "All" (-1: none), and a note.
// The viewer has APPEAR_S seconds to show the history and ANSWER_S to answer.
#include "BenchReport.h"
#include "ChildProbes.h"
#include "FileBench.h"
#include "FormsReport.h"
#include "WindowCheck.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fputs("usage: velomir_bench [--reps N] [--json PATH] [FILE...] [--forms FILE...]\n"
               "       velomir_bench --check-window APPEAR_S ANSWER_S FILE...\n",
               stderr);
    return 2;
}

void say(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::fflush(stderr);
}

// Everything measured on one file: in this process, then in fresh ones.
FileFigures measureFile(const QString &self, const QString &path, int reps)
{
    say(QStringLiteral("%1: timing, %2 runs of each figure").arg(path).arg(reps));
    FileFigures figures;
    {
        FileBench bench(path, reps);
        figures = bench.run();
    }
    say(QStringLiteral("%1: memory and start of the viewer, in fresh processes").arg(path));
    const LoadMemory memory = probeLoadMemory(self, path, reps);
    if (memory.ok) {
        figures.loadPeakBytes = memory.peakBytes;
        figures.loadRetainedBytes = memory.afterBytes - memory.beforeBytes;
    }
    const WindowStart start = probeWindowStart(self, path, reps);
    figures.figures.push_back(Figure{QStringLiteral("window_start"),
                                     QStringLiteral("viewer start to first paint of the first release"),
                                     Baseline::None, start.ok ? start.ms : -1, QString(), false});
    if (start.ok)
        figures.windowPeakBytes = start.peakBytes;
    return figures;
}

int checkWindows(int argc, char *argv[])
{
    const int appearS = QString::fromLocal8Bit(argv[2]).toInt();
    const int answerS = QString::fromLocal8Bit(argv[3]).toInt();
    if (appearS < 1 || answerS < 1)
        return usage();
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    for (int i = 4; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        say(QStringLiteral("%1: the window, \"All\" chosen").arg(path));
        const WindowAnswer answer = checkWindowAnswers(self, path, appearS * 1000, answerS * 1000);
        std::printf("%s\t%s\t%.0f\t%.0f\t%s\n", qPrintable(path),
                    answer.verdict == WindowAnswer::Verdict::Held ? "held" : "failed", answer.appearedMs,
                    answer.answeredMs, qPrintable(answer.note.simplified()));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], LoadProbeFlag) == 0)
        return runLoadProbe(QString::fromLocal8Bit(argv[2]));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], WindowProbeFlag) == 0)
        return runWindowProbe(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], AllProbeFlag) == 0)
        return runAllProbe(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc >= 5 && std::strcmp(argv[1], "--check-window") == 0)
        return checkWindows(argc, argv);

    int reps = 5;
    QString jsonPath;
    QStringList paths;
    QStringList formPaths;
    bool forms = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QStringLiteral("--reps") && i + 1 < argc) {
            reps = QString::fromLocal8Bit(argv[++i]).toInt();
            if (reps < 1)
                return usage();
        } else if (arg == QStringLiteral("--json") && i + 1 < argc) {
            jsonPath = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == QStringLiteral("--forms")) {
            forms = true;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            return usage();
        } else {
            (forms ? formPaths : paths) << arg;
        }
    }
    if (paths.isEmpty() && formPaths.isEmpty())
        return usage();
    for (const QString &path : paths + formPaths) {
        if (!QFileInfo(path).isFile()) {
            say(QStringLiteral("%1: not a file").arg(path));
            return 1;
        }
    }

    QApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    BenchGroup sizes;
    for (const QString &path : paths)
        sizes.files.push_back(measureFile(self, path, reps));
    sizes.targets = checkTargets(sizes.files);
    BenchGroup formGroup;
    for (const QString &path : formPaths)
        formGroup.files.push_back(measureFile(self, path, reps));
    formGroup.targets = checkFormTargets(formGroup.files);

    if (!sizes.files.empty()) {
        std::printf("%s\n%s", qPrintable(formatTable(sizes.files)), qPrintable(formatTargets(sizes.targets)));
        if (!formGroup.files.empty())
            std::printf("\n");
    }
    if (!formGroup.files.empty()) {
        std::printf("One history in %lld encodings, each figure also against the first form's:\n\n%s\n%s",
                    static_cast<long long>(formGroup.files.size()),
                    qPrintable(formatFormsTable(formGroup.files)),
                    qPrintable(formatTargets(formGroup.targets)));
    }
    if (!jsonPath.isEmpty() && !writeJson(jsonPath, sizes, formGroup)) {
        say(QStringLiteral("%1: cannot write").arg(jsonPath));
        return 1;
    }
    return 0;
}
