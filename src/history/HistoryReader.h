#pragma once

#include "history/HistoryDocument.h"
#include "history/HistoryLines.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Largest history file read; a real change log is a few megabytes.
inline constexpr qint64 DefaultHistorySizeLimit = qint64(1) << 30;

// Told, on the thread that asked for the file, that bytes [0, available) of a file of `fileSize` bytes
// now lie at `bytes`; the buffer keeps its place while the rest arrives behind them.
using BytesArrived = std::function<void(const char *bytes, qsizetype available, qsizetype fileSize)>;

// Reads the regular file at `path` into `bytes`, refusing what ReadFileLines refuses. A large
// file is read on a second thread while `arrived` is told of each part that has landed.
[[nodiscard]] LoadResult readHistoryFile(const QString &path, qint64 sizeLimit, QByteArray &bytes,
                                         const BytesArrived &arrived);

// Reads the regular file at `path` in one go and splits it into trimmed lines (see
// decodeHistoryBytes). A folder, pipe or device, a missing or unreadable file and one larger
// than `sizeLimit` bytes give {false, reason}; `out` is then left as it was.
[[nodiscard]] LoadResult ReadFileLines(const QString &path, HistoryLines &out,
                                       qint64 sizeLimit = DefaultHistorySizeLimit);

// Decodes a history file's bytes to UTF-8 and indexes its lines. A UTF-16 BOM means UTF-16, and
// so does a file without BOM whose code units are mostly NUL on one side (Latin text in UTF-16);
// a UTF-8 BOM or well-formed UTF-8 is kept as it is (the buffer is not copied); anything else
// is Windows-1252. The BOM is never part of the first line, and the text held is always
// well-formed UTF-8. Lines end at CR LF, CR or LF; a terminator at the very end opens no
// further line; leading and trailing blanks (U+0020 only) are left out of each line's span.
HistoryLines decodeHistoryBytes(QByteArray fileBytes);
