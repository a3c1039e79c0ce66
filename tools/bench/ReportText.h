#pragma once

#include "Figures.h"

#include <QString>

// How the reports write numbers, counts and baselines, shared by every table.

inline constexpr double MB = 1024.0 * 1024.0;

// "-" for a negative (not measured) value.
QString number(double value, int decimals);
// Milliseconds with as many decimals as their size deserves.
QString msText(double ms);
// 1,000,000
QString linesText(int lines);
// "wc -l", "grep -F", "grep -w -F"; empty for Baseline::None.
QString baseName(Baseline base);
