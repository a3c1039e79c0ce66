#include "history/HistoryLoader.h"

#include "history/HistoryReader.h"
#include "history/LineClassifier.h"
#include "history/ReleaseDetection.h"

#include <algorithm>

namespace {

// Lines classified between two progress reports.
constexpr LineIndex ProgressSlice = 1 << 16;

} // namespace

LoadResult LoadHistory(const QString &path, const DetectionSettings &settings, HistoryDocument &out,
                       const LoadProgress &progress)
{
    // Reading and splitting take about a third of a load, classifying half, finding releases the rest.
    auto report = [&progress](double fraction) {
        if (progress)
            progress(fraction);
    };
    report(0);
    HistoryLines lines;
    LoadResult result = ReadFileLines(path, lines);
    if (!result.ok)
        return result;
    report(0.3);
    // Change lines are never headers, so the facts come first.
    const LineClassifier classifier(settings.ChangeDetectList);
    for (LineIndex first = 0; first < lines.size(); first += std::min(ProgressSlice, lines.size() - first)) {
        const LineIndex end = first + std::min(ProgressSlice, lines.size() - first);
        classifier.classifyLines(lines, first, end);
        report(0.3 + 0.5 * end / lines.size());
    }
    HistoryDocument document;
    document.path = path;
    document.releases = detectReleases(lines, settings.VersionDetectList, classifier);
    document.lines = std::move(lines);
    out = std::move(document);
    report(1);
    return result;
}
