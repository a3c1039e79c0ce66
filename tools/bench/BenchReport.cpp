#include "BenchReport.h"

#include "FormsReport.h"
#include "ReportText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#include <algorithm>
#include <thread>

namespace {

const FileFigures *largest(const std::vector<FileFigures> &files)
{
    const auto it =
        std::max_element(files.begin(), files.end(),
                         [](const FileFigures &a, const FileFigures &b) { return a.lines < b.lines; });
    return it == files.end() ? nullptr : &*it;
}

const FileFigures *smallest(const std::vector<FileFigures> &files)
{
    const auto it =
        std::min_element(files.begin(), files.end(),
                         [](const FileFigures &a, const FileFigures &b) { return a.lines < b.lines; });
    return it == files.end() ? nullptr : &*it;
}

} // namespace

void appendUserActionTargets(std::vector<TargetCheck> &checks, const FileFigures &file,
                             const QString &judgedOn)
{
    // Copying every row is one command under the wait cursor with a bound of its own; the
    // 100 ms rule holds for every other action.
    const QString copyKey = QStringLiteral("copy_all");
    double longestAction = -1;
    QString which;
    for (const Figure &f : file.figures) {
        if (f.userAction && f.key != copyKey && f.ms > longestAction) {
            longestAction = f.ms;
            which = f.key;
        }
    }
    checks.push_back({QStringLiteral("longest user action but the copy (%1, ms)").arg(which), judgedOn,
                      longestAction, 100, 100, QStringLiteral("ms")});
    checks.push_back({QStringLiteral("copy of every row (ms)"), judgedOn, file.ms(copyKey), 150, 100,
                      QStringLiteral("ms")});
}

double FileFigures::baseMs(Baseline base) const
{
    switch (base) {
    case Baseline::WcLines:
        return ms(QStringLiteral("wc_l"));
    case Baseline::GrepFixed:
        return ms(QStringLiteral("grep_F"));
    case Baseline::GrepWord:
        return ms(QStringLiteral("grep_wF"));
    case Baseline::None:
        break;
    }
    return -1;
}

double FileFigures::ratio(const Figure &figure) const
{
    const double base = baseMs(figure.base);
    return figure.ms < 0 || base <= 0 ? -1 : figure.ms / base;
}

std::vector<TargetCheck> checkTargets(const std::vector<FileFigures> &files)
{
    std::vector<TargetCheck> checks;
    const FileFigures *big = largest(files);
    if (!big)
        return checks;
    const QString bigName = QStringLiteral("%1 lines").arg(linesText(big->lines));
    auto ratioOf = [big](const char *key) {
        const Figure *f = big->find(QString::fromLatin1(key));
        return f ? big->ratio(*f) : -1;
    };
    checks.push_back({QStringLiteral("load / wc -l"), bigName, ratioOf("load"), 6, 3, QStringLiteral("x")});
    double worstView = -1;
    for (const char *key : {"view_all", "view_last_release", "view_all_fixes", "view_all_reversed"})
        worstView = std::max(worstView, ratioOf(key));
    checks.push_back({QStringLiteral("\"All\" view, any filter switch / wc -l (worst)"), bigName, worstView,
                      0.5, 0.2, QStringLiteral("x")});
    checks.push_back({QStringLiteral("FindAll word / grep -c -i -F"), bigName, ratioOf("findall_word"), 1.0,
                      0.5, QStringLiteral("x")});
    checks.push_back({QStringLiteral("FindAll whole word / grep -c -i -w -F"), bigName,
                      ratioOf("findall_whole"), 1.0, 0.3, QStringLiteral("x")});
    checks.push_back({QStringLiteral("CalcStatistics2 + CalcStatistics / wc -l"), bigName,
                      ratioOf("stats_both"), 4, 2, QStringLiteral("x")});
    const double plainScroll = big->ms(QStringLiteral("scroll_plain"));
    const double hitsScroll =
        std::max(big->ms(QStringLiteral("scroll_hits")), big->ms(QStringLiteral("scroll_hits_every_row")));
    checks.push_back({QStringLiteral("scrolling with hits shown / without (worst)"), bigName,
                      plainScroll > 0 ? hitsScroll / plainScroll : -1, 1.3, 1.1, QStringLiteral("x")});
    const double sizeMb = static_cast<double>(big->bytes) / MB;
    checks.push_back({QStringLiteral("peak resident after load (MB)"), bigName,
                      big->loadPeakBytes < 0 ? -1 : static_cast<double>(big->loadPeakBytes) / MB,
                      2 * sizeMb + 60, 1.5 * sizeMb + 40, QStringLiteral("MB")});
    if (const FileFigures *real = smallest(files)) {
        checks.push_back({QStringLiteral("start to first paint (ms)"),
                          QStringLiteral("%1 lines").arg(linesText(real->lines)),
                          real->ms(QStringLiteral("window_start")), 300, 150, QStringLiteral("ms")});
    }
    appendUserActionTargets(checks, *big, bigName);
    return checks;
}

QString formatTable(const std::vector<FileFigures> &files)
{
    if (files.empty())
        return QString();
    QString out = QStringLiteral("| figure | compared with |");
    QString rule = QStringLiteral("|---|---|");
    for (const FileFigures &file : files) {
        out += QStringLiteral(" %1 lines: ms | ratio |").arg(linesText(file.lines));
        rule += QStringLiteral("---:|---:|");
    }
    out += u'\n' + rule + u'\n';
    for (const Figure &first : files.front().figures) {
        out += QStringLiteral("| %1 | %2 |").arg(first.label, baseName(first.base));
        for (const FileFigures &file : files) {
            const Figure *f = file.find(first.key);
            if (!f) {
                out += QStringLiteral(" - | |");
                continue;
            }
            const double ratio = file.ratio(*f);
            out += QStringLiteral(" %1 | %2 |").arg(msText(f->ms), ratio < 0 ? QString() : number(ratio, 2));
        }
        out += u'\n';
    }
    auto memoryRow = [&](const QString &label, auto value) {
        out += QStringLiteral("| %1 | |").arg(label);
        for (const FileFigures &file : files)
            out += QStringLiteral(" %1 | |").arg(value(file));
        out += u'\n';
    };
    memoryRow(QStringLiteral("file size (MB)"), [](const FileFigures &f) { return number(f.bytes / MB, 1); });
    memoryRow(QStringLiteral("peak resident after load (MB)"), [](const FileFigures &f) {
        return f.loadPeakBytes < 0 ? QStringLiteral("-") : number(f.loadPeakBytes / MB, 1);
    });
    memoryRow(QStringLiteral("bytes per line kept beyond the file's size"), [](const FileFigures &f) {
        if (f.loadRetainedBytes < 0 || f.lines <= 0)
            return QStringLiteral("-");
        return number(static_cast<double>(f.loadRetainedBytes - f.bytes) / f.lines, 1);
    });
    memoryRow(QStringLiteral("peak resident of the window at first paint (MB)"), [](const FileFigures &f) {
        return f.windowPeakBytes < 0 ? QStringLiteral("-") : number(f.windowPeakBytes / MB, 1);
    });
    return out;
}

QString formatTargets(const std::vector<TargetCheck> &targets)
{
    QString out =
        QStringLiteral("| target | judged on | measured | must | goal | |\n|---|---|---:|---:|---:|---|\n");
    for (const TargetCheck &t : targets) {
        const int decimals = t.unit == QStringLiteral("x") ? 2 : 0;
        QString verdict = t.value < 0       ? QStringLiteral("not measured")
                          : t.reachesGoal() ? QStringLiteral("goal reached")
                          : t.holds()       ? QStringLiteral("holds, short of the goal")
                                            : QStringLiteral("MISSED");
        if (t.goalOnly && t.value >= 0 && !t.reachesGoal())
            verdict = QStringLiteral("short of the goal");
        out += QStringLiteral("| %1 | %2 | %3 | %4 | %5 | %6 |\n")
                   .arg(t.name, t.file, number(t.value, decimals),
                        t.goalOnly ? QStringLiteral("-") : number(t.must, decimals), number(t.goal, decimals),
                        verdict);
    }
    return out;
}

namespace {

QJsonArray filesJson(const std::vector<FileFigures> &files, const FileFigures *first)
{
    QJsonArray fileArray;
    for (const FileFigures &file : files) {
        QJsonArray figures;
        for (const Figure &f : file.figures) {
            QJsonObject o{{QStringLiteral("key"), f.key},
                          {QStringLiteral("label"), f.label},
                          {QStringLiteral("ms"), f.ms},
                          {QStringLiteral("note"), f.note},
                          {QStringLiteral("userAction"), f.userAction}};
            if (f.base != Baseline::None) {
                o.insert(QStringLiteral("comparedWith"), baseName(f.base));
                o.insert(QStringLiteral("ratio"), file.ratio(f));
            }
            if (f.count >= 0)
                o.insert(QStringLiteral("count"), f.count);
            if (first && first != &file)
                o.insert(QStringLiteral("ratioToFirst"), formRatio(file, *first, f.key));
            figures.append(o);
        }
        fileArray.append(QJsonObject{{QStringLiteral("path"), file.path},
                                     {QStringLiteral("encoding"), file.encoding},
                                     {QStringLiteral("bytes"), file.bytes},
                                     {QStringLiteral("lines"), file.lines},
                                     {QStringLiteral("releases"), file.releases},
                                     {QStringLiteral("loadPeakBytes"), file.loadPeakBytes},
                                     {QStringLiteral("loadRetainedBytes"), file.loadRetainedBytes},
                                     {QStringLiteral("windowPeakBytes"), file.windowPeakBytes},
                                     {QStringLiteral("figures"), figures}});
    }
    return fileArray;
}

QJsonArray targetsJson(const std::vector<TargetCheck> &targets)
{
    QJsonArray targetArray;
    for (const TargetCheck &t : targets) {
        targetArray.append(
            QJsonObject{{QStringLiteral("name"), t.name},
                        {QStringLiteral("file"), t.file},
                        {QStringLiteral("value"), t.value},
                        {QStringLiteral("must"), t.goalOnly ? QJsonValue() : QJsonValue(t.must)},
                        {QStringLiteral("goal"), t.goal},
                        {QStringLiteral("unit"), t.unit},
                        {QStringLiteral("holds"), t.holds()},
                        {QStringLiteral("reachesGoal"), t.reachesGoal()}});
    }
    return targetArray;
}

} // namespace

bool writeJson(const QString &path, const BenchGroup &sizes, const BenchGroup &forms)
{
    QJsonObject root{{QStringLiteral("when"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                     {QStringLiteral("machine"), QSysInfo::prettyProductName()},
                     {QStringLiteral("cores"), static_cast<int>(std::thread::hardware_concurrency())},
                     {QStringLiteral("files"), filesJson(sizes.files, nullptr)},
                     {QStringLiteral("targets"), targetsJson(sizes.targets)}};
    if (!forms.files.empty()) {
        root.insert(QStringLiteral("forms"),
                    QJsonObject{{QStringLiteral("files"), filesJson(forms.files, &forms.files.front())},
                                {QStringLiteral("targets"), targetsJson(forms.targets)}});
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return out.write(QJsonDocument(root).toJson()) > 0;
}
