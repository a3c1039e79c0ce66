#include "history/HistoryLoader.h"

#include "history/HistoryReader.h"
#include "history/LineClassifier.h"
#include "history/ReleaseDetection.h"

LoadResult LoadHistory(const QString &path, const DetectionSettings &settings, HistoryDocument &out)
{
    HistoryLines lines;
    LoadResult result = ReadFileLines(path, lines);
    if (!result.ok)
        return result;
    // Change lines are never headers, so the facts come first.
    const LineClassifier classifier(settings.ChangeDetectList);
    classifier.classifyAll(lines);
    HistoryDocument document;
    document.path = path;
    document.releases = detectReleases(lines, settings.VersionDetectList, classifier);
    document.lines = std::move(lines);
    out = std::move(document);
    return result;
}
