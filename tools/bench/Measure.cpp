#include "Measure.h"

#include <QFile>
#include <QProcess>

double median(std::vector<double> samples)
{
    if (samples.empty())
        return -1;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

ProcessRun runProcess(const QString &program, const QStringList &arguments)
{
    ProcessRun run;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1))
        return run;
    run.ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    run.output = process.readAllStandardOutput();
    // grep -c exits with 1 when it counts nothing; that is still a finished run.
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() <= 1;
    return run;
}

ProcessRun medianProcess(int reps, const QString &program, const QStringList &arguments)
{
    std::vector<double> samples;
    ProcessRun last;
    for (int i = 0; i < reps; ++i) {
        last = runProcess(program, arguments);
        if (!last.ok)
            return last;
        samples.push_back(last.ms);
    }
    last.ms = median(std::move(samples));
    return last;
}

qint64 statusBytes(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix)) {
            // "VmHWM:    123456 kB"
            const QList<QByteArray> parts = line.mid(prefix.size()).simplified().split(' ');
            bool ok = false;
            const qint64 kb = parts.value(0).toLongLong(&ok);
            return ok ? kb * 1024 : -1;
        }
    }
    return -1;
}
