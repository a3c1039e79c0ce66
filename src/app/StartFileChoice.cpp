#include "app/StartFileChoice.h"

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
    if (candidateNamesFile && inputs.fileExists(candidate.path))
        return candidate;

    if (!inputs.lastFile.isEmpty() &&
        inputs.lastFile.compare(inputs.missingValueMarker, Qt::CaseInsensitive) != 0) {
        const QString lastFile = inputs.expandPath(inputs.lastFile);
        if (inputs.fileExists(lastFile))
            return {StartFileSource::LastFile, lastFile};
    }
    return {};
}

QDebug operator<<(QDebug debug, const StartFileChoice &choice)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "StartFileChoice(" << int(choice.source) << ", " << choice.path << ')';
    return debug;
}
