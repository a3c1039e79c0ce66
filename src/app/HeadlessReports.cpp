#include "app/HeadlessReports.h"

#include "app/CommandLine.h"
#include "history/ChangesReport.h"
#include "history/HistoryLoader.h"
#include "history/ReleasesReport.h"
#include "mainwin/DisplaySettings.h"
#include "search/FindReport.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/cProfile.h"
#include "stats/WeekdaysReport.h"

#include <QFile>

#include <cstdio>

namespace {
int fail(const QString &message, int status)
{
    std::fputs(qPrintable(QStringLiteral("velomir: %1\n").arg(message)), stderr);
    return status;
}

int write(const QByteArray &report)
{
    std::fwrite(report.constData(), 1, static_cast<std::size_t>(report.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

ViewFilter filterOf(const QString &name)
{
    if (name == QLatin1String("additions"))
        return ViewFilter::Additions;
    if (name == QLatin1String("fixes"))
        return ViewFilter::Fixes;
    return ViewFilter::AllChanges;
}

SearchIn searchInOf(const QString &name)
{
    if (name == QLatin1String("additions"))
        return SearchIn::Additions;
    if (name == QLatin1String("fixes"))
        return SearchIn::Fixes;
    return SearchIn::Everywhere;
}
} // namespace

int runHeadlessReport(const CommandLine &line)
{
    cProfile profile;
    ProfileSettingsStore store(profile);
    const DisplaySettings settings = LoadDisplaySettings(store);

    HistoryDocument document;
    const LoadResult loaded = LoadHistory(line.file, settings.detection(), document);
    if (!loaded.ok)
        return fail(QStringLiteral("cannot read %1: %2").arg(line.file, loaded.error), 1);

    switch (line.mode) {
    case CommandLine::Mode::Releases:
        return write(releasesReport(document));
    case CommandLine::Mode::Changes: {
        ChangesView view;
        view.filter = filterOf(line.filter);
        view.reversed = line.reversed;
        if (line.release == QLatin1String("all")) {
            view.releaseIndex = ChangesView::All;
        } else if (!line.release.isEmpty()) {
            view.releaseIndex = document.releaseIndexOfKey(line.release);
            if (view.releaseIndex < 0)
                return fail(QStringLiteral("no release has the key %1").arg(line.release), 2);
        } else {
            // What the window shows after loading: the first release, or "All" without releases.
            view.releaseIndex = document.releases.empty() ? ChangesView::All : 0;
        }
        return write(changesReport(document, view, settings.DayFormat, settings.DateFormat));
    }
    case CommandLine::Mode::Find:
        return write(findReport(document, line.text, searchInOf(line.searchIn), line.wholeWord));
    case CommandLine::Mode::Weekdays: {
        const WeekdaysReportResult report =
            weekdaysReport(document, line.releases, settings.VersionDetectList, settings.DayFormat);
        return report.ok ? write(report.text) : fail(report.error, 2);
    }
    default:
        return fail(QStringLiteral("this report is not available"), 2);
    }
}
