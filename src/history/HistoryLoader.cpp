#include "history/HistoryLoader.h"

#include "history/HistoryReader.h"
#include "history/HistoryScan.h"

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
    LoadResult result =
        readHistoryFile(path, DefaultHistorySizeLimit, bytes, [&](const char *data, qsizetype available, qsizetype size) {
            scan.scanArrived(data, available, size);
            report(size > 0 ? 0.9 * double(available) / double(size) : 0.9);
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
