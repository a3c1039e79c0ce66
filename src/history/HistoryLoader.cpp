#include "history/HistoryLoader.h"

#include "history/HistoryReader.h"
#include "history/HistoryScan.h"

#include <algorithm>

LoadResult LoadHistory(const QString &path, const DetectionSettings &settings, HistoryDocument &out,
                       const LoadProgress &progress)
{
    auto report = [&progress](double fraction) {
        if (progress)
            progress(fraction);
    };
    report(0);
    // Lines are split, classified and searched for headers as the file arrives; what is left
    // when it is complete (lines outside ASCII, the releases' labels) is little.
    HistoryScan scan(settings);
    QByteArray bytes;
    // However much has arrived at once, it is scanned a slice at a time, so that progress is
    // told steadily even while the scan runs behind the reading. Once the whole file is there,
    // the rest goes in one call, which shares it between two threads.
    constexpr qsizetype ProgressSlice = qsizetype(1) << 20;
    qsizetype scanned = 0;
    LoadResult result = readHistoryFile(
        path, DefaultHistorySizeLimit, bytes, [&](const char *data, qsizetype available, qsizetype size) {
            do {
                scanned = available == size ? available : std::min(available, scanned + ProgressSlice);
                scan.scanArrived(data, scanned, size);
                report(size > 0 ? 0.9 * double(scanned) / double(size) : 0.9);
            } while (scanned < available);
        });
    if (!result.ok)
        return result;
    HistoryDocument document;
    document.path = path;
    scan.finish(std::move(bytes), document.lines, document.releases);
    out = std::move(document);
    report(1);
    return result;
}
