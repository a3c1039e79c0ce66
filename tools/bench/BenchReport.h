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
    QString unit; // "x" for ratios, "ms", "MB"
    bool holds() const { return value >= 0 && value <= must; }
    bool reachesGoal() const { return value >= 0 && value <= goal; }
};

// The targets judged on the largest file (the start of the viewer: on the smallest, a file of real size).
std::vector<TargetCheck> checkTargets(const std::vector<FileFigures> &files);

// The table of every figure, each file in its own columns, as Markdown.
QString formatTable(const std::vector<FileFigures> &files);
QString formatTargets(const std::vector<TargetCheck> &targets);

// The same as JSON; false when the file cannot be written.
[[nodiscard]] bool writeJson(const QString &path, const std::vector<FileFigures> &files,
                             const std::vector<TargetCheck> &targets);
