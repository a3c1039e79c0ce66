#include "FormsReport.h"

#include "ReportText.h"

#include <QStringList>

#include <functional>

namespace {

// Left out of the worst ratio: the processes the figures are compared with, which are not the
// viewer's own work, and the longest single FindString step, a maximum that one interruption sets.
bool outsideFormRatio(const QString &key)
{
    return key == QLatin1String("wc_l") || key == QLatin1String("grep_F") ||
           key == QLatin1String("grep_wF") || key == QLatin1String("findstring_step");
}

// The memory figures of a file, in MB or bytes; negative when not measured.
struct MemoryFigure
{
    const char *key;
    const char *label;
    std::function<double(const FileFigures &)> value;
    int decimals;
};

double peakAfterLoadMb(const FileFigures &f)
{
    return f.loadPeakBytes < 0 ? -1 : static_cast<double>(f.loadPeakBytes) / MB;
}

double bytesPerLineKept(const FileFigures &f)
{
    if (f.loadRetainedBytes < 0 || f.lines <= 0)
        return -1;
    // Can fall below zero where the load keeps less than the file; shown as no cost at all.
    return std::max(0.0, static_cast<double>(f.loadRetainedBytes - f.bytes) / f.lines);
}

double windowPeakMb(const FileFigures &f)
{
    return f.windowPeakBytes < 0 ? -1 : static_cast<double>(f.windowPeakBytes) / MB;
}

const std::vector<MemoryFigure> &memoryFigures()
{
    static const std::vector<MemoryFigure> figures{
        {"file_mb", "file size (MB)", [](const FileFigures &f) { return f.bytes / MB; }, 1},
        {"load_peak_mb", "peak resident after load (MB)", peakAfterLoadMb, 1},
        {"bytes_per_line", "bytes per line kept beyond the file's size", bytesPerLineKept, 1},
        {"window_peak_mb", "peak resident of the window at first paint (MB)", windowPeakMb, 1},
    };
    return figures;
}

double ratioOf(double value, double first)
{
    return value < 0 || first <= 0 ? -1 : value / first;
}

QString formName(const FileFigures &f)
{
    return f.encoding.isEmpty() ? QStringLiteral("%1 lines").arg(linesText(f.lines)) : f.encoding;
}

} // namespace

double formRatio(const FileFigures &form, const FileFigures &first, const QString &key)
{
    return ratioOf(form.ms(key), first.ms(key));
}

std::vector<TargetCheck> checkFormTargets(const std::vector<FileFigures> &forms)
{
    std::vector<TargetCheck> checks;
    if (forms.empty())
        return checks;
    const FileFigures &first = forms.front();
    const QString x = QStringLiteral("x");
    for (const FileFigures &form : forms) {
        const QString name = formName(form);
        auto baseRatio = [&form](const char *key) {
            const Figure *f = form.find(QString::fromLatin1(key));
            return f ? form.ratio(*f) : -1;
        };
        checks.push_back({QStringLiteral("load / wc -l"), name, baseRatio("load"), 6, 3, x});
        checks.push_back(
            {QStringLiteral("FindAll word / grep -c -i -F"), name, baseRatio("findall_word"), 1.0, 0.5, x});
        checks.push_back({QStringLiteral("FindAll accented word / grep -c -i -F"), name,
                          baseRatio("findall_accented"), 1.0, 0.5, x});
        const double sizeMb = static_cast<double>(form.bytes) / MB;
        checks.push_back({QStringLiteral("peak resident after load (MB)"), name, peakAfterLoadMb(form),
                          2 * sizeMb + 60, 1.5 * sizeMb + 40, QStringLiteral("MB")});
        TargetCheck start{QStringLiteral("start to first paint (ms)"),
                          name,
                          form.ms(QStringLiteral("window_start")),
                          150,
                          150,
                          QStringLiteral("ms")};
        start.goalOnly = true;
        checks.push_back(start);
        appendUserActionTargets(checks, form, name);
    }
    for (std::size_t i = 1; i < forms.size(); ++i) {
        const FileFigures &form = forms[i];
        const QString name = formName(form);
        const QString against = formName(first);
        double worst = -1;
        QString which;
        for (const Figure &f : first.figures) {
            if (outsideFormRatio(f.key) || std::max(f.ms, form.ms(f.key)) < FormFloorMs)
                continue;
            const double r = formRatio(form, first, f.key);
            if (r > worst) {
                worst = r;
                which = f.key;
            }
        }
        checks.push_back({QStringLiteral("worst timed figure (%1) / %2's").arg(which, against), name, worst,
                          FormBound, FormBound, x});
        checks.push_back({QStringLiteral("copy of every row / %1's").arg(against), name,
                          formRatio(form, first, QStringLiteral("copy_all")), FormBound, FormBound, x});
        double worstMemory = -1;
        QString whichMemory;
        for (const MemoryFigure &m : memoryFigures()) {
            if (QLatin1String(m.key) == QLatin1String("file_mb"))
                continue;
            const double r = ratioOf(m.value(form), m.value(first));
            if (r > worstMemory) {
                worstMemory = r;
                whichMemory = QString::fromLatin1(m.key);
            }
        }
        checks.push_back({QStringLiteral("worst memory figure (%1) / %2's").arg(whichMemory, against), name,
                          worstMemory, FormBound, FormBound, x});
        // A form that is fast because it finds or lists less is not fast: the counts must agree.
        QStringList differing;
        for (const Figure &f : first.figures) {
            const Figure *other = form.find(f.key);
            if (f.count >= 0 && (!other || other->count != f.count))
                differing << QStringLiteral("%1 %2 against %3")
                                 .arg(f.key)
                                 .arg(other ? other->count : -1)
                                 .arg(f.count);
        }
        checks.push_back({QStringLiteral("lines, rows and matches that differ from %1's%2")
                              .arg(against, differing.isEmpty() ? QString()
                                                                : QStringLiteral(" (%1)").arg(
                                                                      differing.join(QStringLiteral(", ")))),
                          name, static_cast<double>(differing.size()), 0, 0, QString()});
    }
    return checks;
}

QString formatFormsTable(const std::vector<FileFigures> &forms)
{
    if (forms.empty())
        return QString();
    const FileFigures &first = forms.front();
    const QString firstName = formName(first);
    QString out = QStringLiteral("| figure | compared with |");
    QString rule = QStringLiteral("|---|---|");
    for (std::size_t i = 0; i < forms.size(); ++i) {
        out += QStringLiteral(" %1: ms | ratio |").arg(formName(forms[i]));
        rule += QStringLiteral("---:|---:|");
        if (i > 0) {
            out += QStringLiteral(" / %1 |").arg(firstName);
            rule += QStringLiteral("---:|");
        }
    }
    out += u'\n' + rule + u'\n';
    for (const Figure &row : first.figures) {
        out += QStringLiteral("| %1 | %2 |").arg(row.label, baseName(row.base));
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const FileFigures &form = forms[i];
            const Figure *f = form.find(row.key);
            const double ratio = f ? form.ratio(*f) : -1;
            out +=
                QStringLiteral(" %1 | %2 |")
                    .arg(f ? msText(f->ms) : QStringLiteral("-"), ratio < 0 ? QString() : number(ratio, 2));
            if (i > 0) {
                const double r = formRatio(form, first, row.key);
                out += QStringLiteral(" %1 |").arg(r < 0 ? QString() : number(r, 2));
            }
        }
        out += u'\n';
    }
    for (const MemoryFigure &m : memoryFigures()) {
        out += QStringLiteral("| %1 | |").arg(QString::fromLatin1(m.label));
        const double firstValue = m.value(first);
        for (std::size_t i = 0; i < forms.size(); ++i) {
            const double value = m.value(forms[i]);
            out += QStringLiteral(" %1 | |").arg(number(value, m.decimals));
            if (i > 0) {
                const double r = ratioOf(value, firstValue);
                out += QStringLiteral(" %1 |").arg(r < 0 ? QString() : number(r, 2));
            }
        }
        out += u'\n';
    }
    return out;
}
