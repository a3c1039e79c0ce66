#include "history/HistoryLoader.h"

#include "history/HistoryScan.h"
#include "text/EncodingDetection.h"

#include <algorithm>

namespace {

// Share of a load's progress that reading the file takes; the walk over its lines takes the rest.
constexpr double ReadShare = 0.5;

QString tooManyLinesText(qsizetype lines, qint64 bytes, qint64 mostLines)
{
    return QStringLiteral("The file has too many lines for its size (%1 lines in %2 bytes; at most %3 "
                          "lines are read from a file of this size).")
        .arg(lines)
        .arg(bytes)
        .arg(mostLines);
}

} // namespace

LoadResult decodeHistory(QByteArray bytes, const DetectionSettings &settings, HistoryDocument &out,
                         const HistoryLimits &limits, std::optional<TextSurvey> survey,
                         const LoadProgress &progress)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype fileBytes = bytes.size();
    if (!survey)
        survey = TextSurvey::of(bytes);

    DetectedText detected = detectEncoding(std::move(bytes), survey->isUtf8());
    QByteArray text = std::move(detected.text);
    const TextEncoding encoding = detected.encoding;
    const qsizetype begin = detected.begin;
    if (text.size() > HistoryLines::MaxTextBytes)
        return {false,
                QStringLiteral("The file is too large (%1 bytes once decoded; at most %2 bytes are held).")
                    .arg(text.size())
                    .arg(HistoryLines::MaxTextBytes)};
    if (text.constData() != reinterpret_cast<const char *>(s) || text.size() != fileBytes)
        survey = TextSurvey::of(text);

    const qsizetype lines = survey->lineCount(text, begin);
    const qint64 allowed = std::max(2 * qint64(fileBytes), limits.indexFloorBytes);
    if (HistoryLines::indexBytes(lines, qint64(survey->oddLetters().size())) > allowed)
        return {false, tooManyLinesText(lines, fileBytes, allowed / HistoryLines::indexBytes(1, 0))};

    HistoryDocument document;
    document.path = out.path;
    HistoryScan(settings, encoding)
        .scan(std::move(text), begin, *survey, lines, document.lines, document.releases, progress);
    out = std::move(document);
    return {true, {}};
}

LoadResult LoadHistory(const QString &path, const DetectionSettings &settings, HistoryDocument &out,
                       const LoadProgress &progress, const HistoryLimits &limits)
{
    auto report = [&progress](double fraction) {
        if (progress)
            progress(fraction);
    };
    report(0);
    QByteArray bytes;
    TextSurvey survey;
    LoadResult result = readHistoryFile(path, limits.fileBytes, bytes, survey,
                                        [&](double read) { report(ReadShare * read); });
    if (!result.ok)
        return result;
    HistoryDocument document;
    document.path = path;
    result = decodeHistory(std::move(bytes), settings, document, limits, std::move(survey),
                           [&](double walked) { report(ReadShare + (1 - ReadShare) * walked); });
    if (!result.ok)
        return result;
    out = std::move(document);
    report(1);
    return result;
}
