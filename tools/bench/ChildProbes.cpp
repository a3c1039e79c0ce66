#include "ChildProbes.h"

#include "FirstPaintWatcher.h"
#include "Measure.h"
#include "ProbeWindow.h"

#include "app/frmMain.h"
#include "history/HistoryLoader.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>

#include <cstdio>

namespace {

qint64 field(const QByteArray &output, const char *name)
{
    const QRegularExpression re(QStringLiteral("\\b%1=(\\d+)").arg(QLatin1String(name)));
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(output));
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

} // namespace

int runLoadProbe(const QString &path)
{
    const qint64 before = statusBytes("VmRSS");
    HistoryDocument document;
    if (!::LoadHistory(path, DetectionSettings::defaults(), document).ok)
        return 1;
    const qint64 after = statusBytes("VmRSS");
    const qint64 peak = statusBytes("VmHWM");
    std::printf("before=%lld after=%lld peak=%lld lines=%d\n", static_cast<long long>(before),
                static_cast<long long>(after), static_cast<long long>(peak), document.lines.size());
    return 0;
}

int runWindowProbe(int argc, char *argv[], const QString &path)
{
    QApplication app(argc, argv);
    ProbeWindow probe(path);
    frmMain &window = probe.window();

    auto *list = window.findChild<QTableView *>(QStringLiteral("lvChangesList"));
    if (!list)
        return 1;
    FirstPaintWatcher watcher;
    list->viewport()->installEventFilter(&watcher);
    QObject::connect(&window, &frmMain::historyLoaded, &watcher, &FirstPaintWatcher::arm);
    QObject::connect(&watcher, &FirstPaintWatcher::painted, &app, [&app] {
        std::printf("painted peak=%lld\n", static_cast<long long>(statusBytes("VmHWM")));
        std::fflush(stdout);
        app.quit();
    });
    window.show();
    return QApplication::exec();
}

LoadMemory probeLoadMemory(const QString &self, const QString &path, int reps)
{
    // What one load keeps varies with the allocator's state from run to run: the median of each.
    std::vector<double> before, after, peak;
    for (int i = 0; i < reps; ++i) {
        const ProcessRun run = runProcess(self, {QString::fromLatin1(LoadProbeFlag), path});
        const qint64 peakBytes = field(run.output, "peak");
        if (!run.ok || peakBytes <= 0)
            return LoadMemory();
        before.push_back(static_cast<double>(field(run.output, "before")));
        after.push_back(static_cast<double>(field(run.output, "after")));
        peak.push_back(static_cast<double>(peakBytes));
    }
    LoadMemory memory;
    memory.beforeBytes = static_cast<qint64>(median(before));
    memory.afterBytes = static_cast<qint64>(median(after));
    memory.peakBytes = static_cast<qint64>(median(peak));
    memory.ok = memory.peakBytes > 0;
    return memory;
}

WindowStart probeWindowStart(const QString &self, const QString &path, int reps)
{
    WindowStart start;
    std::vector<double> samples;
    for (int i = 0; i < reps; ++i) {
        QProcess process;
        QElapsedTimer timer;
        timer.start();
        process.start(self, {QString::fromLatin1(WindowProbeFlag), path});
        // The time is taken when the child says it has painted, not when it has torn down.
        QByteArray output;
        while (!output.contains('\n') && process.waitForReadyRead(60000))
            output += process.readAllStandardOutput();
        const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        process.waitForFinished(60000);
        if (!output.startsWith("painted"))
            return start;
        samples.push_back(ms);
        start.peakBytes = std::max(start.peakBytes, field(output, "peak"));
    }
    start.ms = median(std::move(samples));
    start.ok = true;
    return start;
}
