#pragma once

#include "BenchReport.h"
#include "Figures.h"

#include <QString>

#include <vector>

// The forms of one history (the same lines, their letters in other encodings) set side by side,
// each figure also as a ratio to the first form's: the viewer's speed and memory must not depend
// on which letters a history holds.

// Figures below this many milliseconds in both forms are left out of the worst ratio: at that
// size a moment of another process's work is larger than any difference.
inline constexpr double FormFloorMs = 5.0;
// How far another form's figures may lie above the first form's.
inline constexpr double FormBound = 1.3;

// `form`'s value of figure `key` over `first`'s, or a negative value when either is missing.
double formRatio(const FileFigures &form, const FileFigures &first, const QString &key);

// The targets of each form, then those of each form against the first.
std::vector<TargetCheck> checkFormTargets(const std::vector<FileFigures> &forms);

// The table of every figure, one column group per form, with the ratio to the first form.
QString formatFormsTable(const std::vector<FileFigures> &forms);
