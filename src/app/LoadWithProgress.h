#pragma once

#include "history/HistoryDocument.h"

class QWidget;

// LoadHistory under the wait cursor, with a progress dialog owned by `owner` that shows itself only
// when the load has taken, or promises to take, more than half a second.
[[nodiscard]] LoadResult loadWithProgress(QWidget *owner, const QString &path,
                                          const DetectionSettings &settings, HistoryDocument &out);
