// The history pipeline on arbitrary bytes: decoding and line splitting, classification, release
// detection, every view of every release in both orders under all three filters with the texts
// of their columns, the statistics per release and per weekday with the weekdays report, and
// searches for a needle taken from the input, compared with a plain scan. The load's scan of the
// bytes as they arrive, in pieces of a size taken from the input, must give what the plain
// reading gives.
// An input starting with byte 1 carries its own detection strings on its first two lines.
#include "history/ChangesList.h"
#include "history/HistoryReader.h"
#include "history/HistoryScan.h"
#include "history/LineClassifier.h"
#include "history/LineRules.h"
#include "history/ReleaseDetection.h"
#include "history/Utf8.h"
#include "search/LineSearch.h"
#include "search/SearchRule.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdaysReport.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "history check failed: %s\n", what);
        abort();
    }
}

bool wellFormedUtf8(QByteArrayView bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size();) {
        const int len = Utf8::sequenceLength(s + i, bytes.size() - i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

// The plain rule: an ASCII needle is compared byte by byte, any other by Unicode case folding.
bool referenceContains(QByteArrayView line, const QString &needle)
{
    const QByteArray utf8 = needle.toUtf8();
    if (isAscii(utf8)) {
        const auto hit = std::search(line.begin(), line.end(), utf8.begin(), utf8.end(),
                                     [](char a, char b) { return asciiLower(a) == asciiLower(b); });
        return hit != line.end() || utf8.isEmpty();
    }
    return QString::fromUtf8(line).contains(needle, Qt::CaseInsensitive);
}

void checkLines(const HistoryLines &lines)
{
    check(lines.size() >= 1, "at least one line");
    for (LineIndex i(0); lines.contains(i); ++i) {
        const QByteArrayView line = lines.bytes(i);
        check(wellFormedUtf8(line), "every line is well-formed UTF-8");
        check(!line.contains('\n') && !line.contains('\r'), "no line holds a line break");
        // A rewritten header takes the last two characters of each date part, blanks included.
        check(lines.isReplaced(i) || line.isEmpty() || (line.front() != ' ' && line.back() != ' '),
              "no line read has outer blanks");
    }
}

void checkViews(const HistoryDocument &doc)
{
    const HistoryLines &lines = doc.lines;
    const int releases = static_cast<int>(doc.releases.size());
    for (int r = -1; r < releases; ++r) {
        const LineIndex first = r < 0 ? LineIndex(0) : doc.firstLineOf(r);
        const LineIndex last = r < 0 ? lines.lastLineIndex() : doc.lastLineOf(r);
        int additions = -1, fixes = -1;
        for (const ViewFilter filter : {ViewFilter::AllChanges, ViewFilter::Additions, ViewFilter::Fixes}) {
            const ChangesListContent forward = BuildChangesList(doc, {r, filter, false});
            const ChangesListContent backward = BuildChangesList(doc, {r, filter, true});
            check(forward.rows.size() == backward.rows.size(), "both orders list the same number of rows");
            std::vector<LineIndex> a, b;
            for (ListRow r(0); forward.rows.contains(r); ++r) {
                const ChangeRow row = forward.rows.at(r, lines);
                if (row.header)
                    continue;
                check(row.line >= first && row.line <= last, "a row lies in its release");
                check(passesViewFilter(lines.kind(row.line), filter), "a row passes the filter");
                check(forward.rows.rowOfLine(row.line) == r, "a row is found again by its line");
                a.push_back(row.line);
            }
            for (ListRow r(0); backward.rows.contains(r); ++r) {
                const ChangeRow row = backward.rows.at(r, lines);
                if (!row.header)
                    b.push_back(row.line);
            }
            std::reverse(b.begin(), b.end());
            check(a == b, "the reversed list is the list backwards");
            check(forward.AdditionCount == backward.AdditionCount && forward.FixCount == backward.FixCount,
                  "counts do not depend on the order");
            if (additions >= 0)
                check(forward.AdditionCount == additions && forward.FixCount == fixes,
                      "counts do not depend on the filter");
            additions = forward.AdditionCount;
            fixes = forward.FixCount;
            // The texts of the columns, as the view asks for them.
            for (std::size_t k = 0; k < std::min<std::size_t>(a.size(), 64); ++k) {
                const QString text = lines.text(a[k]);
                const bool dated = isDatedLine(text);
                check(GetSortableDate(text).isEmpty() || dated, "only a dated line has a sort key");
                (void)GetDayText(text, QStringLiteral("dddd"));
                (void)GetDateText(text, QStringLiteral("dd/MM/yyyy"));
                (void)GetChangeText(text);
                (void)longDateText(text);
            }
        }
    }
}

qint64 total(const WeekdayCounts::PerDay &perDay)
{
    qint64 sum = 0;
    for (int day = WeekdayCounts::Sunday; day <= WeekdayCounts::NoWeekday; ++day)
        sum += perDay[day];
    return sum;
}

void checkStatistics(const HistoryDocument &doc, const QStringList &versionDetectList)
{
    const QString dayFormat = QStringLiteral("dddd");
    std::vector<ReleaseStatsRow> rows = GetVersionList(doc, dayFormat);
    check(rows.size() == doc.releases.size(), "one statistics row per release");
    CalcStatistics2(doc, rows);
    std::vector<LineIndex> headers;
    qint64 additions = 0, fixes = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const Release &release = doc.releases[r];
        check(rows[r].key == release.key() && rows[r].headerLine == release.headerLine &&
                  rows[r].label == release.label,
              "a statistics row names its release");
        check(rows[r].sortableDate.isEmpty() == GetSortableDate(doc.lines.text(release.headerLine)).isEmpty(),
              "a row has a sortable date exactly when its header has one");
        const qint64 lineCount = doc.lastLineOf(int(r)) - release.headerLine + 1;
        check(rows[r].additions >= 0 && rows[r].fixes >= 0 && rows[r].additions + rows[r].fixes <= lineCount,
              "a release counts no more changes than it has lines");
        additions += rows[r].additions;
        fixes += rows[r].fixes;
        headers.push_back(release.headerLine);
        const WeekdayCounts one = CalcStatistics(doc, {release.headerLine}, versionDetectList, dayFormat);
        check(total(one.additions) == rows[r].additions && total(one.fixes) == rows[r].fixes,
              "the weekdays of a release sum to its counts");
    }
    const WeekdayCounts all = CalcStatistics(doc, headers, versionDetectList, dayFormat);
    check(total(all.additions) == additions && total(all.fixes) == fixes,
          "the weekdays of all releases sum to the release counts");
    check(CalcStatistics(doc, {NoLine, LineIndex(doc.lines.size())}, versionDetectList, dayFormat) ==
              WeekdayCounts{},
          "lines that head no release count nothing");

    const WeekdaysReportResult report = weekdaysReport(doc, {}, versionDetectList, dayFormat);
    check(report.ok && report.text.count('\n') == 8, "the weekdays report has seven days and a total");
    check(!weekdaysReport(doc, {QStringLiteral("nokey")}, versionDetectList, dayFormat).ok,
          "the weekdays report refuses an unknown release");
}

void checkSearch(const HistoryLines &lines, const QString &text)
{
    for (int wholeWord = 0; wholeWord <= 1; ++wholeWord) {
        const QString needle = searchNeedle(text, wholeWord == 1);
        for (int searchIn = 0; searchIn <= 2; ++searchIn) {
            const std::vector<LineIndex> all =
                findAll(lines, text, searchInFromNumber(searchIn), wholeWord == 1);
            std::vector<LineIndex> expected;
            for (LineIndex i(0); lines.contains(i); ++i) {
                if (passesSearchIn(lines, i, searchInFromNumber(searchIn)) &&
                    referenceContains(lines.bytes(i), needle))
                    expected.push_back(i);
            }
            check(all == expected, "Find All lists exactly the lines holding the needle");
            std::vector<LineIndex> stepped;
            for (LineIndex at =
                     findNext(lines, text, LineIndex(0), searchInFromNumber(searchIn), wholeWord == 1);
                 !at.isNone();
                 at = findNext(lines, text, at + 1, searchInFromNumber(searchIn), wholeWord == 1)) {
                stepped.push_back(at);
                if (stepped.size() > all.size())
                    break;
            }
            check(stepped == all, "Find Next steps through the lines of Find All");
        }
    }
}

// Returns the scanned lines, which may hold lines of a Windows-1252 file apart from the text.
HistoryLines checkScanInPieces(const QByteArray &bytes, const DetectionSettings &settings,
                               const HistoryDocument &plain)
{
    // The encoding is judged on the first 4096 bytes; a small file would arrive at once.
    const qsizetype piece = bytes.isEmpty() ? 1 : 1 + static_cast<unsigned char>(bytes.back()) % 97;
    HistoryScan scan(settings);
    for (qsizetype available = std::min<qsizetype>(bytes.size(), 4096); available < bytes.size();
         available += piece)
        scan.scanArrived(bytes.constData(), available, bytes.size());
    HistoryDocument scanned;
    scan.finish(bytes, scanned.lines, scanned.releases);
    check(scanned.lines.size() == plain.lines.size(), "the scan finds the lines the plain reading finds");
    for (LineIndex i(0); plain.lines.contains(i); ++i) {
        check(scanned.lines.bytes(i) == plain.lines.bytes(i),
              "the scan reads each line as the plain reading");
        check(scanned.lines.kind(i) == plain.lines.kind(i) &&
                  scanned.lines.matchesFix(i) == plain.lines.matchesFix(i) &&
                  scanned.lines.isDated(i) == plain.lines.isDated(i),
              "the scan classifies each line as the plain reading");
    }
    check(scanned.releases == plain.releases, "the scan finds the releases the plain reading finds");
    return std::move(scanned.lines);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    DetectionSettings settings = DetectionSettings::defaults();
    if (bytes.startsWith('\x01')) {
        const QList<QByteArray> head = bytes.mid(1).split('\n');
        if (head.size() >= 3) {
            settings = DetectionSettings::fromStrings(QString::fromUtf8(head[0]), QString::fromUtf8(head[1]));
            bytes = bytes.mid(1 + head[0].size() + 1 + head[1].size() + 1);
        }
    }

    HistoryDocument doc;
    doc.lines = decodeHistoryBytes(bytes);
    checkLines(doc.lines);
    const LineClassifier classifier(settings.ChangeDetectList);
    classifier.classifyAll(doc.lines);
    doc.releases = detectReleases(doc.lines, settings.VersionDetectList, classifier);
    checkLines(doc.lines);
    for (std::size_t r = 0; r < doc.releases.size(); ++r) {
        const LineIndex header = doc.releases[r].headerLine;
        check(doc.lines.contains(header), "a release header is a line of the file");
        check(r == 0 || header > doc.releases[r - 1].headerLine, "releases stand in file order");
        check(doc.releaseIndexOfKey(doc.releases[r].key()) == int(r), "a release is found by its key");
    }
    const HistoryLines scanned = checkScanInPieces(bytes, settings, doc);
    checkViews(doc);
    checkStatistics(doc, settings.VersionDetectList);

    // The needle: a piece of the middle line, as a user would copy it from the list.
    const LineIndex middle(doc.lines.size() / 2);
    const QString line = doc.lines.text(middle);
    checkSearch(doc.lines, line.mid(line.size() / 3, 6));
    checkSearch(scanned, line.mid(line.size() / 3, 6));
    return 0;
}
