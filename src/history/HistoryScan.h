#pragma once

#include "history/HistoryDocument.h"
#include "history/HistoryLines.h"
#include "history/LineClassifier.h"
#include "history/ReleaseDetection.h"
#include "text/TextSurvey.h"

#include <QByteArray>

#include <functional>
#include <vector>

// Walks the lines of a history's text once, in its own encoding, and learns all that is kept of
// each: where it lies (leading and trailing blanks cut off), whether it matches the change
// patterns, whether it holds letters of odd width, how long it is when it is long, and whether it
// is a release header. The index is made as large as the survey's count of lines before the walk
// begins, so it never grows; a large text is walked in two parts side by side on two threads, each
// writing its own stretch of the index, and the call returns when both are done.
class HistoryScan
{
public:
    using Progress = std::function<void(double fraction)>;

    HistoryScan(const DetectionSettings &settings, TextEncoding encoding);

    // The lines of `text` from `begin` (after a byte order mark), `lineCount` of them by the
    // survey, and the releases they hold.
    void scan(QByteArray text, qsizetype begin, const TextSurvey &survey, qsizetype lineCount,
              HistoryLines &lines, std::vector<Release> &releases, const Progress &progress = {}) const;

private:
    struct Header
    {
        LineIndex line;
        qsizetype position; // where the detection text begins, in characters
    };
    // One stretch of the text and what its walk found; lines are counted from `firstLine`.
    struct Part
    {
        qsizetype begin = 0;
        qsizetype end = 0;
        LineIndex firstLine{0};
        int capacity = 0; // lines it may write
        std::vector<qsizetype>::const_iterator oddLetter;
        std::vector<qsizetype>::const_iterator oddEnd;
        int count = 0;         // lines it wrote
        bool overflow = false; // it found more lines than it may write
        std::vector<Header> headers;
        std::vector<LineIndex> oddWidthLines;
        std::vector<HistoryLines::LongLine> longLines;
    };

    void scanPart(const char *text, Part &part, HistoryLines::Entry *entries, const Progress &progress) const;
    bool addLine(const char *text, const char *first, const char *last, bool ascii, Part &part,
                 HistoryLines::Entry *entries) const;

    TextEncoding m_encoding;
    LineClassifier m_classifier;
    ReleaseDetector m_detector;
};
