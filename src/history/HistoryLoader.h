#pragma once

#include "history/HistoryDocument.h"
#include "history/HistoryReader.h"

#include <QString>

#include <functional>
#include <optional>

// Told now and then how far a load has got, from 0 at the start to 1 at the end.
using LoadProgress = std::function<void(double fraction)>;

// What a history file may need. The index of its lines takes eight bytes a line: a file of
// hundreds of millions of empty lines would need many times its size, so a file whose index
// needs more than twice its size, and more than the floor, is refused as a file over the size
// limit is. The floor lets small files of blank lines open.
struct HistoryLimits
{
    qint64 fileBytes = DefaultHistorySizeLimit;
    qint64 indexFloorBytes = qint64(64) << 20;
};

// Reads the history file at `path`, classifies every line once and finds its releases
// (rewriting old-style headers). On failure `out` is left as it was and the result says why.
[[nodiscard]] LoadResult LoadHistory(const QString &path, const DetectionSettings &settings,
                                     HistoryDocument &out, const LoadProgress &progress = {},
                                     const HistoryLimits &limits = {});

// The same for a file's bytes already read (`survey` is theirs when given). The encoding: a UTF-16
// BOM means UTF-16, and so does a file without BOM whose code units are mostly NUL on one side
// (Latin text in UTF-16); both are converted to UTF-8. A UTF-8 BOM or well-formed UTF-8 is UTF-8,
// held as it is (bad bytes after a UTF-8 BOM each become U+FFFD); anything else is Windows-1252,
// held as it is. The BOM is never part of the first line. Lines end at CR LF, CR or LF; a
// terminator at the very end opens no further line; leading and trailing blanks (U+0020 only)
// are no part of a line. `out.path` is left as it was.
[[nodiscard]] LoadResult decodeHistory(QByteArray bytes, const DetectionSettings &settings,
                                       HistoryDocument &out, const HistoryLimits &limits = {},
                                       std::optional<TextSurvey> survey = std::nullopt,
                                       const LoadProgress &progress = {});
