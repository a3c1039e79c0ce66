#pragma once

#include "history/HistoryDocument.h"

#include <QString>

// Reads the history file at `path`, classifies every line once and finds its releases
// (rewriting old-style headers). On failure `out` is left as it was and the result says why.
[[nodiscard]] LoadResult LoadHistory(const QString &path, const DetectionSettings &settings,
                                     HistoryDocument &out);
