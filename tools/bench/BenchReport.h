#pragma once

#include "Figures.h"

#include <QString>

#include <vector>

// One target checked on the figures: a measured value against the bound it must keep and the
// bound it aims for (lower is better for every one of them).
struct TargetCheck
{
    QString name;
    QString file;      // which file it was judged on
    double value = -1; // negative: not measured
    double must = 0;
    double goal = 0;
    QString unit;          // "x" for ratios, "ms", "MB"
    bool goalOnly = false; // a goal without a bound that must hold: never reported as missed
    bool holds() const { return value >= 0 && (goalOnly || value <= must); }
    bool reachesGoal() const { return value >= 0 && value <= goal; }
};

// The targets judged on the largest file (the start of the viewer: on the smallest, a file of real size).
std::vector<TargetCheck> checkTargets(const std::vector<FileFigures> &files);

// The bounds of what a user does on a loaded file, judged on `file`: every action but the copy of
// every row within 100 ms, that copy within 150 ms.
void appendUserActionTargets(std::vector<TargetCheck> &checks, const FileFigures &file,
                             const QString &judgedOn);

// The table of every figure, each file in its own columns, as Markdown.
QString formatTable(const std::vector<FileFigures> &files);
QString formatTargets(const std::vector<TargetCheck> &targets);

// Files timed together, with the targets judged on them.
struct BenchGroup
{
    std::vector<FileFigures> files;
    std::vector<TargetCheck> targets;
};

// The same as JSON: the files of `sizes` and their targets at the top, the forms of one history
// under "forms", each figure there also as a ratio to the first form's; false when the file
// cannot be written.
[[nodiscard]] bool writeJson(const QString &path, const BenchGroup &sizes, const BenchGroup &forms);
