#include "history/HistoryScan.h"

#include "text/LineEnds.h"
#include "text/TextCodec.h"

#include <algorithm>
#include <thread>

namespace {

// Less text than this is walked on one thread.
constexpr qsizetype BytesForTwoParts = qsizetype(1) << 20;
// Progress is told after each stretch of this many bytes.
constexpr qsizetype ProgressBytes = qsizetype(1) << 20;

// Where the second part begins: right after the first line end at or after `middle`, or the end
// of the text when there is none. Also says how many line ends lie in [middle, cut).
qsizetype cutAfter(const QByteArray &text, qsizetype middle, qsizetype &lineEndsFromMiddle)
{
    const char *const base = text.constData();
    const qsizetype n = text.size();
    lineEndsFromMiddle = 0;
    qsizetype at = middle;
    while (at < n && base[at] != '\r' && base[at] != '\n')
        ++at;
    if (at == n)
        return n;
    if (base[at] == '\r') {
        lineEndsFromMiddle = 1;
        return at + 1 < n && base[at + 1] == '\n' ? at + 2 : at + 1;
    }
    // An LF right after a CR before the middle completes a line end counted there.
    lineEndsFromMiddle = at == middle && middle > 0 && base[middle - 1] == '\r' ? 0 : 1;
    return at + 1;
}

// Lines in [p, end), counted as the walk counts them.
int countLines(const char *p, const char *end)
{
    int count = 0;
    for (;;) {
        const char *eol = findLineEnd(p, end).at;
        if (eol == end)
            return count + (p < end || count == 0 ? 1 : 0);
        ++count;
        p = eol + 1;
        if (*eol == '\r' && p < end && *p == '\n')
            ++p;
    }
}

} // namespace

HistoryScan::HistoryScan(const DetectionSettings &settings, TextEncoding encoding)
    : m_encoding(encoding)
    , m_classifier(settings.ChangeDetectList, encoding)
    , m_detector(settings.VersionDetectList, encoding)
{
}

bool HistoryScan::addLine(const char *text, const char *first, const char *last, bool ascii, Part &part,
                          HistoryLines::Entry *entries) const
{
    if (part.count >= part.capacity) {
        part.overflow = true;
        return false;
    }
    const LineIndex line = part.firstLine + part.count;
    // Letters of odd width found by the survey in this line.
    const qsizetype lineBegin = first - text;
    const qsizetype lineEnd = last - text;
    while (part.oddLetter != part.oddEnd && *part.oddLetter < lineBegin)
        ++part.oddLetter;
    const bool plain = part.oddLetter == part.oddEnd || *part.oddLetter >= lineEnd;
    while (part.oddLetter != part.oddEnd && *part.oddLetter < lineEnd)
        ++part.oddLetter;

    const Trimmed trimmed = trimBlanks(first, last);
    const HistoryLines::Span span{trimmed.first - text, trimmed.last - trimmed.first};
    const LineText lineText{QByteArrayView(text + span.offset, span.length), m_encoding, plain};
    const HistoryLines::Facts facts = m_classifier.factsOf(lineText);
    if (ReleaseDetector::mayBeHeader(facts, span.length == 0)) {
        const qsizetype position = m_detector.headerPosition(lineText);
        if (position >= 0)
            part.headers.push_back(Header{line, position});
    }
    entries[part.count++] =
        HistoryLines::entry(span.offset, span.offset + span.length, facts.matchesAddition, facts.matchesFix);
    if (!plain)
        part.oddWidthLines.push_back(line);
    if (span.length > HistoryLines::LongLineBytes)
        part.longLines.emplace_back(line, ascii ? span.length : utf16Length(lineText.bytes, m_encoding));
    return true;
}

void HistoryScan::scanPart(const char *text, Part &part, HistoryLines::Entry *entries,
                           const Progress &progress) const
{
    const char *const end = text + part.end;
    const char *p = text + part.begin;
    const char *nextReport = p + ProgressBytes;
    for (;;) {
        const LineEnd eol = findLineEnd(p, end);
        if (eol.at == end) {
            // The last line has no terminator; one at the very end opens no further line, but
            // an empty text holds one empty line.
            if (p < end || part.count == 0)
                addLine(text, p, end, eol.ascii, part, entries);
            return;
        }
        if (!addLine(text, p, eol.at, eol.ascii, part, entries))
            return;
        p = eol.at + 1;
        if (*eol.at == '\r' && p < end && *p == '\n')
            ++p;
        if (progress && p >= nextReport) {
            progress(double(p - text - part.begin) / double(part.end - part.begin));
            nextReport = p + ProgressBytes;
        }
    }
}

void HistoryScan::scan(QByteArray text, qsizetype begin, const TextSurvey &survey, qsizetype lineCount,
                       HistoryLines &lines, std::vector<Release> &releases, const Progress &progress) const
{
    const char *const base = text.constData();
    const std::vector<qsizetype> &odd =
        m_encoding == TextEncoding::Utf8 ? survey.oddLetters() : std::vector<qsizetype>();
    std::vector<HistoryLines::Entry> entries(static_cast<std::size_t>(std::max<qsizetype>(lineCount, 1)));

    Part first;
    first.begin = begin;
    first.end = text.size();
    first.capacity = static_cast<int>(entries.size());
    first.oddLetter = odd.begin();
    first.oddEnd = odd.end();
    std::vector<Part> parts;
    qsizetype lineEndsFromMiddle = 0;
    const qsizetype middle = survey.middle();
    const qsizetype cut = text.size() - begin >= BytesForTwoParts && middle > begin
                              ? cutAfter(text, middle, lineEndsFromMiddle)
                              : text.size();
    if (cut < text.size()) {
        // Every line of the first part ends before the cut, so the survey's count says how many.
        const auto firstLines = static_cast<int>(survey.lineEndsBeforeMiddle() + lineEndsFromMiddle);
        Part second = first;
        first.end = cut;
        first.capacity = firstLines;
        second.begin = cut;
        second.firstLine = LineIndex(firstLines);
        second.capacity = static_cast<int>(entries.size()) - firstLines;
        second.oddLetter = std::lower_bound(odd.begin(), odd.end(), cut);
        first.oddEnd = second.oddLetter;
        {
            const std::jthread helper([this, base, &second, &entries] {
                scanPart(base, second, entries.data() + second.firstLine.value(), {});
            });
            scanPart(base, first, entries.data(), progress);
        }
        parts.push_back(std::move(first));
        parts.push_back(std::move(second));
    } else {
        scanPart(base, first, entries.data(), progress);
        parts.push_back(std::move(first));
    }

    std::vector<LineIndex> oddWidthLines;
    std::vector<HistoryLines::LongLine> longLines;
    std::vector<Header> headers;
    bool complete = true;
    for (Part &part : parts) {
        complete = complete && !part.overflow && part.count == part.capacity;
        oddWidthLines.insert(oddWidthLines.end(), part.oddWidthLines.begin(), part.oddWidthLines.end());
        longLines.insert(longLines.end(), part.longLines.begin(), part.longLines.end());
        headers.insert(headers.end(), part.headers.begin(), part.headers.end());
    }
    if (!complete) {
        // The count the index was made for is wrong, which the survey never lets happen: the
        // lines are counted again and walked on one thread.
        Part whole;
        whole.begin = begin;
        whole.end = text.size();
        whole.oddLetter = odd.begin();
        whole.oddEnd = odd.end();
        whole.capacity = countLines(base + begin, base + text.size());
        entries.assign(static_cast<std::size_t>(whole.capacity), {});
        scanPart(base, whole, entries.data(), progress);
        oddWidthLines = std::move(whole.oddWidthLines);
        longLines = std::move(whole.longLines);
        headers = std::move(whole.headers);
    }

    lines = HistoryLines(std::move(text), m_encoding, std::move(entries), std::move(oddWidthLines),
                         std::move(longLines));
    releases.clear();
    releases.reserve(headers.size());
    for (const Header &header : headers)
        releases.push_back(m_detector.release(lines, header.line, header.position, m_classifier));
}
