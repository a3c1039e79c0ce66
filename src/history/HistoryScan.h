#pragma once

#include "history/HistoryDocument.h"
#include "history/LineClassifier.h"
#include "history/ReleaseDetection.h"

#include <QByteArray>

#include <cstdint>
#include <utility>
#include <vector>

// Splits a history file into lines, classifies them and looks for release headers while the file
// is still being read, so that a load costs little more than the read itself. The outcome is the
// same as decodeHistoryBytes, then LineClassifier::classifyAll, then detectReleases.
//
// Each line is finished while its bytes are fresh in the cache. Lines outside ASCII are taken as
// UTF-8 until one of them is not well formed; from then on the file is Windows-1252, and the few
// lines taken as UTF-8 before are done again at the end. A file in UTF-16, or one whose UTF-8 BOM
// is followed by bytes that are not UTF-8, is decoded whole once it is complete.
class HistoryScan
{
public:
    explicit HistoryScan(const DetectionSettings &settings);

    // Bytes [0, available) of a file of `fileSize` bytes are final and lie at `bytes`; the rest
    // is still to come. Called again as more arrive, always with the same buffer.
    void scanArrived(const char *bytes, qsizetype available, qsizetype fileSize);
    // All of the file's bytes are in `bytes`: the lines and releases of the whole file.
    void finish(QByteArray bytes, HistoryLines &lines, std::vector<Release> &releases);

private:
    enum class Mode { Undecided, Lines, WholeFile };
    enum class Encoding { Utf8SoFar, Windows1252, BadUtf8AfterBom };
    struct Header
    {
        LineIndex line;
        qsizetype position; // where the detection text begins, in characters
        bool operator<(const Header &other) const { return line < other.line; }
    };
    using ConvertedLine = std::pair<LineIndex, QByteArray>;

    Mode decideMode(const unsigned char *bytes, qsizetype available, qsizetype fileSize) const;
    void scanLines(const char *bytes, qsizetype available, bool fileComplete);
    static qsizetype lineBoundaryAfter(const char *bytes, qsizetype from, qsizetype end);
    void scanRestInTwo(const char *bytes, qsizetype size);
    void append(HistoryScan &&tail);
    void addLine(const char *bytes, const char *first, const char *last, bool ascii);
    void addNonAsciiLine(LineIndex line, QByteArrayView bytes);
    HistoryLines::Facts classify(LineIndex line, QByteArrayView utf8, bool ascii,
                                 std::vector<Header> &headers);
    void convertInPlace(QByteArray &bytes, const std::vector<LineIndex> &nonAsciiLines);
    void finishWholeFile(QByteArray bytes, HistoryLines &lines, std::vector<Release> &releases) const;

    DetectionSettings m_settings;
    LineClassifier m_classifier;
    ReleaseDetector m_detector;

    Mode m_mode = Mode::Undecided;
    bool m_utf8Bom = false;
    Encoding m_encoding = Encoding::Utf8SoFar;
    qsizetype m_scanned = 0; // where the next line begins
    std::vector<HistoryLines::Span> m_spans;
    std::vector<std::uint8_t> m_facts;
    std::vector<Header> m_headers;            // of lines whose text is final, in file order
    std::vector<LineIndex> m_takenAsUtf8;     // lines outside ASCII before the encoding was known
    std::vector<Header> m_headersTakenAsUtf8; // found among those
    std::vector<ConvertedLine> m_converted;   // from Windows-1252, once that was known
};
