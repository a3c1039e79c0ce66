#include "app/StartFileChoice.h"

#include "app/FileManagerLocation.h"
#include "settings/CaseBlindPath.h"
#include "settings/Globals.h"
#include "settings/ProfilePaths.h"

StartFileChoice StartFileChoice::choose(const StartFileInputs &inputs)
{
    StartFileChoice candidate;
    if (inputs.commandLine.isEmpty())
        candidate = {StartFileSource::DefaultHistory, inputs.fileManagerDir + QStringLiteral("History.txt")};
    else
        candidate = {StartFileSource::CommandLine, inputs.expandPath(inputs.commandLine)};
    // Without a known folder the default candidate names nothing, whatever the current folder holds.
    const bool candidateNamesFile =
        candidate.source == StartFileSource::CommandLine ||
        inputs.fileManagerDir.compare(inputs.missingValueMarker, Qt::CaseInsensitive) != 0;
    if (candidateNamesFile) {
        candidate.path = findCaseBlind(candidate.path);
        if (inputs.fileExists(candidate.path))
            return candidate;
    }

    if (!inputs.lastFile.isEmpty() &&
        inputs.lastFile.compare(inputs.missingValueMarker, Qt::CaseInsensitive) != 0) {
        const QString lastFile = findCaseBlind(inputs.expandPath(inputs.lastFile));
        if (inputs.fileExists(lastFile))
            return {StartFileSource::LastFile, lastFile};
    }
    return {};
}

StartFileChoice StartFileChoice::atStart(const StartOptions &options, const QString &storedLastFile,
                                         const ProgramPaths &paths)
{
    StartFileInputs inputs;
    inputs.missingValueMarker = missingValueMarker();
    inputs.commandLine = options.commandLineFile;
    inputs.fileManagerDir = paths.FileManagerDir;
    inputs.lastFile = storedLastFile;
    inputs.expandPath = [&paths](const QString &path) { return ExpandPath(path, paths); };
    inputs.fileExists = [](const QString &path) { return FileExists(path); };
    StartFileChoice choice = choose(inputs);
    if (choice.source != StartFileSource::OpenDialog)
        return choice;
    const QString fallback = findCaseBlind(options.fallbackFile);
    return FileExists(fallback) ? StartFileChoice{StartFileSource::CommandLine, fallback} : choice;
}

QDebug operator<<(QDebug debug, const StartFileChoice &choice)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "StartFileChoice(" << int(choice.source) << ", " << choice.path << ')';
    return debug;
}
