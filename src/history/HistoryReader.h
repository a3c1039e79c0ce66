#pragma once

#include "history/HistoryDocument.h"
#include "text/TextSurvey.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Largest history file read; a real change log is a few megabytes.
inline constexpr qint64 DefaultHistorySizeLimit = qint64(1) << 30;

// Told now and then what share of the file has been read, from 0 to 1.
using ReadProgress = std::function<void(double fraction)>;

// Reads the regular file at `path` into `bytes` and surveys them. A folder, pipe or device, a
// missing or unreadable file and one larger than `sizeLimit` bytes give {false, reason}; `bytes`
// is then left as it was. A large file is read in two halves side by side on two threads, each
// chunk surveyed as it lands, and the call returns when both are done.
[[nodiscard]] LoadResult readHistoryFile(const QString &path, qint64 sizeLimit, QByteArray &bytes,
                                         TextSurvey &survey, const ReadProgress &progress = {});
