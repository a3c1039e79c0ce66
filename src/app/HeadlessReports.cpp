#include "app/HeadlessReports.h"

#include "app/CommandLine.h"
#include "history/ChangesReport.h"
#include "history/HistoryLoader.h"
#include "history/ReleasesReport.h"
#include "mainwin/DisplaySettings.h"
#include "search/FindReport.h"
#include "settings/CaseBlindPath.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/SeenReleases.h"
#include "settings/cProfile.h"
#include "stats/WeekdaysReport.h"

#include <QFile>

#include <cstdio>
#include <optional>

namespace {
constexpr int ReadFailure = 1;
constexpr int UsageFailure = 2;

int fail(const QString &message, int status)
{
    std::fputs(qPrintable(QStringLiteral("velomir: %1\n").arg(message)), stderr);
    return status;
}

// The releases the line names, by their index in the document; none when a key names no release,
// which is said on standard error. Every report that takes --release reads it here.
std::optional<std::vector<ReleaseIndex>> namedReleases(const HistoryDocument &document,
                                                       const CommandLine &line)
{
    std::vector<ReleaseIndex> found;
    for (const QString &key : line.releaseKeys) {
        const ReleaseIndex release = document.releaseIndexOfKey(key);
        if (release.isNone()) {
            fail(QStringLiteral("no release has the key %1").arg(key), UsageFailure);
            return std::nullopt;
        }
        found.push_back(release);
    }
    return found;
}

// What the changes list shows for the line: the release named, "All", the releases above the one
// seen last (`lastSeen`: none lists none of them), or what the window shows after loading (the
// first release, or "All" without releases).
ChangesView changesViewOf(const HistoryDocument &document, const CommandLine &line,
                          const std::vector<ReleaseIndex> &named, ReleaseIndex lastSeen)
{
    ChangesView view;
    view.filter = line.filter;
    view.reversed = line.reversed;
    if (line.newReleases || !line.sinceLabel.isEmpty()) {
        view.releaseIndex = ChangesView::All;
        view.lastSeen = lastSeen.isNone() ? ReleaseIndex(0) : lastSeen;
    } else if (line.allReleases)
        view.releaseIndex = ChangesView::All;
    else if (!named.empty())
        view.releaseIndex = named.front();
    else
        view.releaseIndex = document.releases.empty() ? ChangesView::All : ReleaseIndex(0);
    return view;
}

std::vector<LineIndex> weekdayHeaders(const HistoryDocument &document, const CommandLine &line,
                                      const std::vector<ReleaseIndex> &named)
{
    std::vector<LineIndex> headers;
    if (line.allReleases || named.empty()) {
        for (const Release &release : document.releases)
            headers.push_back(release.headerLine);
    } else {
        for (const ReleaseIndex release : named)
            headers.push_back(document.releases[release.at()].headerLine);
    }
    return headers;
}
} // namespace

int runReport(const CommandLine &line, const HistoryDocument &document, const DisplaySettings &settings,
              QIODevice &device, const QString &lastSeenLabel)
{
    const std::optional<std::vector<ReleaseIndex>> named = namedReleases(document, line);
    if (!named)
        return UsageFailure;
    if (!line.sinceLabel.isEmpty() && document.releaseIndexOfLabel(line.sinceLabel).isNone())
        return fail(QStringLiteral("no release has the label %1").arg(line.sinceLabel), UsageFailure);
    const ReleaseIndex lastSeen =
        document.releaseIndexOfLabel(line.sinceLabel.isEmpty() ? lastSeenLabel : line.sinceLabel);

    ReportOutput out(device);
    switch (line.mode) {
    case CommandLine::Mode::Releases:
        releasesReport(document, out);
        break;
    case CommandLine::Mode::Changes:
        changesReport(document, changesViewOf(document, line, *named, lastSeen), settings.DayFormat,
                      settings.DateFormat, out);
        break;
    case CommandLine::Mode::Find:
        findReport(document, line.text, line.searchIn, line.wholeWord, out);
        break;
    case CommandLine::Mode::Weekdays:
        weekdaysReport(document, weekdayHeaders(document, line, *named), settings.VersionDetectList,
                       settings.DayFormat, out);
        break;
    default:
        return fail(QStringLiteral("this report is not available"), UsageFailure);
    }
    return out.flush() ? 0 : ReadFailure;
}

int runHeadlessReport(const CommandLine &line, const ProgramPaths &paths)
{
    cProfile profile(paths);
    ProfileSettingsStore store(profile);
    const DisplaySettings settings = LoadDisplaySettings(store);

    HistoryDocument document;
    // The file is found whatever the case of its name, as the viewer finds it.
    const QString file = findCaseBlind(line.file);
    const LoadResult loaded = LoadHistory(file, settings.detection(), document);
    if (!loaded.ok)
        return fail(QStringLiteral("cannot read %1: %2").arg(line.file, loaded.error), ReadFailure);

    QFile standardOutput;
    // Unbuffered: the report gathers its own pieces, and each is written as soon as it is handed on.
    if (!standardOutput.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ReadFailure;
    const QString lastSeenLabel = line.newReleases ? lastSeenReleaseLabel(store, paths, file) : QString();
    const int status = runReport(line, document, settings, standardOutput, lastSeenLabel);
    return std::fflush(stdout) == 0 ? status : ReadFailure;
}
