#include "history/HistoryScan.h"

#include "history/AsciiNoCaseFinder.h"
#include "history/HistoryEncoding.h"
#include "history/HistoryReader.h"
#include "history/LineEnds.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

constexpr qsizetype Utf16GuessSample = 4096;
// Less than this left to scan when the file is complete is not worth a second thread.
constexpr qsizetype SharedScanBytes = qsizetype(1) << 20;

} // namespace

HistoryScan::HistoryScan(const DetectionSettings &settings)
    : m_settings(settings)
    , m_classifier(settings.ChangeDetectList)
    , m_detector(settings.VersionDetectList)
{
}

HistoryScan::Mode HistoryScan::decideMode(const unsigned char *bytes, qsizetype available,
                                          qsizetype fileSize) const
{
    // The UTF-16 guess looks at the start of the file and at its length.
    if (available < std::min(fileSize, Utf16GuessSample))
        return Mode::Undecided;
    if (hasUtf16Bom(bytes, available) || guessUtf16(bytes, fileSize) != Utf16Guess::No)
        return Mode::WholeFile;
    return Mode::Lines;
}

void HistoryScan::scanArrived(const char *bytes, qsizetype available, qsizetype fileSize)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes);
    if (m_mode == Mode::Undecided) {
        // A change log's lines are some eighty bytes long.
        m_spans.reserve(static_cast<std::size_t>(fileSize / 64 + 16));
        m_facts.reserve(static_cast<std::size_t>(fileSize / 64 + 16));
        m_mode = decideMode(s, available, fileSize);
        // The BOM lies before the first line.
        m_utf8Bom = m_mode == Mode::Lines && hasUtf8Bom(s, std::min(available, fileSize));
        m_scanned = m_utf8Bom ? 3 : 0;
    }
    if (m_mode != Mode::Lines)
        return;
    // Once the whole file is there the thread that read it is free: what is left of the scan
    // is shared with a second thread.
    if (available == fileSize && fileSize - m_scanned >= SharedScanBytes)
        scanRestInTwo(bytes, available);
    else
        scanLines(bytes, available, false);
}

qsizetype HistoryScan::lineBoundaryAfter(const char *bytes, qsizetype from, qsizetype end)
{
    // Right after an LF a line always begins; right after a CR only when no LF follows, which
    // is certain when there is no LF at all from there on.
    if (const void *lf = std::memchr(bytes + from, '\n', static_cast<std::size_t>(end - from)))
        return static_cast<const char *>(lf) - bytes + 1;
    if (const void *cr = std::memchr(bytes + from, '\r', static_cast<std::size_t>(end - from)))
        return static_cast<const char *>(cr) - bytes + 1;
    return end;
}

void HistoryScan::scanRestInTwo(const char *bytes, qsizetype size)
{
    const qsizetype cut = lineBoundaryAfter(bytes, m_scanned + (size - m_scanned) / 2, size);
    if (cut >= size) {
        scanLines(bytes, size, false);
        return;
    }
    HistoryScan tail(m_settings);
    tail.m_mode = Mode::Lines;
    tail.m_utf8Bom = m_utf8Bom;
    tail.m_encoding = m_encoding; // a file once shown Windows-1252 stays so
    tail.m_scanned = cut;
    tail.m_spans.reserve(static_cast<std::size_t>((size - cut) / 64 + 16));
    tail.m_facts.reserve(static_cast<std::size_t>((size - cut) / 64 + 16));
    {
        const std::jthread second([&tail, bytes, size] { tail.scanLines(bytes, size, false); });
        // The part up to the cut ends with its last line's terminator, as a whole file would.
        scanLines(bytes, cut, true);
    }
    append(std::move(tail));
}

void HistoryScan::append(HistoryScan &&tail)
{
    const auto first = static_cast<int>(m_spans.size());
    auto shifted = [first](std::vector<Header> headers) {
        for (Header &header : headers)
            header.line += first;
        return headers;
    };
    m_spans.insert(m_spans.end(), tail.m_spans.begin(), tail.m_spans.end());
    m_facts.insert(m_facts.end(), tail.m_facts.begin(), tail.m_facts.end());
    const std::vector<Header> headers = shifted(std::move(tail.m_headers));
    m_headers.insert(m_headers.end(), headers.begin(), headers.end());
    const std::vector<Header> headersTakenAsUtf8 = shifted(std::move(tail.m_headersTakenAsUtf8));
    m_headersTakenAsUtf8.insert(m_headersTakenAsUtf8.end(), headersTakenAsUtf8.begin(),
                                headersTakenAsUtf8.end());
    for (const LineIndex line : tail.m_takenAsUtf8)
        m_takenAsUtf8.push_back(line + first);
    for (ConvertedLine &converted : tail.m_converted)
        m_converted.emplace_back(converted.first + first, std::move(converted.second));
    // A line that is not UTF-8 in either part decides for the whole file; lines of the tail
    // taken as UTF-8 are then done again like those of the head.
    if (tail.m_encoding != Encoding::Utf8SoFar && m_encoding != Encoding::BadUtf8AfterBom)
        m_encoding = tail.m_encoding;
    m_scanned = tail.m_scanned;
}

void HistoryScan::scanLines(const char *bytes, qsizetype available, bool fileComplete)
{
    const char *const end = bytes + available;
    const char *p = bytes + m_scanned;
    for (;;) {
        const LineEnd eol = findLineEnd(p, end);
        if (eol.at == end) {
            // The last line has no terminator; one at the very end opens no further line.
            if (fileComplete && (p < end || m_spans.empty()))
                addLine(bytes, p, end, eol.ascii);
            break;
        }
        if (!fileComplete && *eol.at == '\r' && eol.at + 1 == end)
            break; // the LF of a CR LF may be still to come
        addLine(bytes, p, eol.at, eol.ascii);
        p = eol.at + 1;
        if (*eol.at == '\r' && p < end && *p == '\n')
            ++p;
    }
    m_scanned = p - bytes;
}

void HistoryScan::addLine(const char *bytes, const char *first, const char *last, bool ascii)
{
    const LineIndex line(static_cast<int>(m_spans.size()));
    m_spans.push_back(trimmedSpan(bytes, first, last));
    const QByteArrayView text(bytes + m_spans.back().offset, m_spans.back().length);
    if (ascii)
        m_facts.push_back(HistoryLines::packFacts(classify(line, text, true, m_headers)));
    else
        addNonAsciiLine(line, text);
}

void HistoryScan::addNonAsciiLine(LineIndex line, QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    if (m_encoding == Encoding::Utf8SoFar && validUtf8Prefix(s, bytes.size()) != bytes.size())
        m_encoding = m_utf8Bom ? Encoding::BadUtf8AfterBom : Encoding::Windows1252;
    switch (m_encoding) {
    case Encoding::Utf8SoFar:
        m_takenAsUtf8.push_back(line);
        m_facts.push_back(HistoryLines::packFacts(classify(line, bytes, false, m_headersTakenAsUtf8)));
        break;
    case Encoding::Windows1252: {
        QByteArray utf8 = windows1252LineToUtf8(bytes);
        m_facts.push_back(HistoryLines::packFacts(classify(line, utf8, false, m_headers)));
        m_converted.emplace_back(line, std::move(utf8));
        break;
    }
    case Encoding::BadUtf8AfterBom:
        m_facts.push_back(0); // the whole text is repaired at the end
        break;
    }
}

HistoryLines::Facts HistoryScan::classify(LineIndex line, QByteArrayView utf8, bool ascii,
                                          std::vector<Header> &headers)
{
    const HistoryLines::Facts facts =
        ascii ? m_classifier.factsOfAsciiLine(utf8) : m_classifier.factsOf(utf8);
    if (ReleaseDetector::mayBeHeader(facts, utf8.isEmpty())) {
        const qsizetype position = m_detector.headerPosition(utf8, ascii);
        if (position >= 0)
            headers.push_back(Header{line, position});
    }
    return facts;
}

void HistoryScan::convertInPlace(QByteArray &bytes, const std::vector<LineIndex> &nonAsciiLines)
{
    // Each span moves by what the lines before it grow; the listed lines grow themselves.
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    qsizetype moved = 0;
    std::size_t k = 0;
    for (std::size_t line = nonAsciiLines.front().at(); line < m_spans.size(); ++line) {
        HistoryLines::Span &span = m_spans[line];
        const bool grows = k < nonAsciiLines.size() && nonAsciiLines[k].at() == line;
        const qsizetype growth = grows ? windows1252Growth(s + span.offset, span.length) : 0;
        span.offset += moved;
        span.length += growth;
        moved += growth;
        k += grows;
    }
    bytes = fromWindows1252(std::move(bytes));
}

void HistoryScan::finishWholeFile(QByteArray bytes, HistoryLines &lines, std::vector<Release> &releases) const
{
    lines = decodeHistoryBytes(std::move(bytes));
    m_classifier.classifyAll(lines);
    releases = detectReleases(lines, m_settings.VersionDetectList, m_classifier);
}

void HistoryScan::finish(QByteArray bytes, HistoryLines &lines, std::vector<Release> &releases)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    // A file that changed its length while it was read may have been judged on other bytes.
    const Mode mode = decideMode(s, size, size);
    if (mode == Mode::WholeFile || (m_mode != Mode::Undecided && m_mode != mode)) {
        finishWholeFile(std::move(bytes), lines, releases);
        return;
    }
    if (m_mode == Mode::Undecided) {
        m_utf8Bom = hasUtf8Bom(s, size);
        m_scanned = m_utf8Bom ? 3 : 0;
    }
    m_mode = mode;
    scanLines(bytes.constData(), size, true);
    if (m_encoding == Encoding::BadUtf8AfterBom) {
        // Bad bytes after a UTF-8 BOM are repaired over the whole text.
        finishWholeFile(std::move(bytes), lines, releases);
        return;
    }

    std::vector<Header> headers = std::move(m_headers);
    if (m_encoding == Encoding::Utf8SoFar) {
        headers.insert(headers.end(), m_headersTakenAsUtf8.begin(), m_headersTakenAsUtf8.end());
        lines = HistoryLines(std::move(bytes), std::move(m_spans), std::move(m_facts));
    } else {
        // Few lines outside ASCII are held apart, converted; many are converted where they lie.
        const std::size_t nonAscii = m_takenAsUtf8.size() + m_converted.size();
        const bool apart = nonAscii <= m_spans.size() / 8;
        if (!apart) {
            std::vector<LineIndex> all = m_takenAsUtf8;
            for (const ConvertedLine &converted : m_converted)
                all.push_back(converted.first);
            // A tail scanned on its own may have taken lines as UTF-8 after others were converted.
            std::sort(all.begin(), all.end());
            convertInPlace(bytes, all);
        }
        lines = HistoryLines(std::move(bytes), std::move(m_spans), std::move(m_facts));
        if (apart) {
            for (ConvertedLine &converted : m_converted)
                lines.replaceLine(converted.first, std::move(converted.second));
        }
        // The lines taken as UTF-8 before the file showed itself Windows-1252, done again.
        for (const LineIndex line : m_takenAsUtf8) {
            if (apart)
                lines.replaceLine(line, windows1252LineToUtf8(lines.bytes(line)));
            lines.setFacts(line, classify(line, lines.bytes(line), false, headers));
        }
    }
    std::sort(headers.begin(), headers.end());

    releases.clear();
    releases.reserve(headers.size());
    for (const Header &header : headers)
        releases.push_back(m_detector.release(lines, header.line, header.position, m_classifier));
}
