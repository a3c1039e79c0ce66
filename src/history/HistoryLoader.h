#pragma once

#include "history/HistoryDocument.h"

#include <QString>

#include <functional>

// Told now and then how far a load has got, from 0 at the start to 1 at the end.
using LoadProgress = std::function<void(double fraction)>;

// Reads the history file at `path`, classifies every line once and finds its releases
// (rewriting old-style headers). On failure `out` is left as it was and the result says why.
[[nodiscard]] LoadResult LoadHistory(const QString &path, const DetectionSettings &settings,
                                     HistoryDocument &out, const LoadProgress &progress = {});
