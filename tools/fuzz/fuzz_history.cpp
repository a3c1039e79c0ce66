// The history pipeline on arbitrary bytes, and on one text written in each of the three encodings a
// history comes in (UTF-8, Windows-1252, UTF-16). The text made of the input is the input read as
// UTF-8, with every character Windows-1252 lacks made "?". Each encoding of it must give the
// document a plain reference makes of the text: the lines split and trimmed, each classified by the
// change patterns, the releases found and old-style headers rewritten. For every document, the raw
// input's too, the changes lists of "All" and of the releases at either end, the search, the copy of all rows
// and the statistics must agree with the lines as decoded. An input starting with byte 1 carries its own
// detection strings on its first two lines.
#include "history/ChangesList.h"
#include "history/HistoryLoader.h"
#include "history/ReleaseDetection.h"
#include "history/WildcardPattern.h"
#include "mainwin/ChangeRowsText.h"
#include "search/LineSearch.h"
#include "search/SearchRule.h"
#include "stats/StatisticsComputation.h"
#include "stats/WeekdaysReport.h"
#include "text/EncodingDetection.h"
#include "text/TextCodec.h"
#include "text/TextFinder.h"
#include "text/Windows1252.h"

#include <QBuffer>
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

QString trimSpaces(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

// What the rules make of a decoded text, worked out the plain way.
struct Reference
{
    QStringList lines;
    std::vector<ChangeKind> kinds;
    std::vector<Release> releases;
};

// The change patterns, made once for all the lines of a text.
struct ReferencePatterns
{
    std::vector<WildcardPattern> patterns;

    explicit ReferencePatterns(const QStringList &changeDetect)
    {
        for (qsizetype entry = 0; entry < std::min<qsizetype>(changeDetect.size(), 2); ++entry)
            patterns.emplace_back(changeDetect[entry]);
    }

    ChangeKind kind(const QString &line) const
    {
        const QByteArray bytes = line.toUtf8();
        const auto matches = [&](std::size_t entry) {
            return entry < patterns.size() && patterns[entry].matches(bytes);
        };
        return matches(0) ? ChangeKind::Addition : matches(1) ? ChangeKind::Fix : ChangeKind::Other;
    }
};

Reference referenceOf(const QString &text, const DetectionSettings &settings)
{
    Reference ref;
    // Lines end at CR LF, CR or LF; one at the very end opens no further line.
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') {
            line += text[i];
            continue;
        }
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        ref.lines << trimSpaces(line);
        line.clear();
    }
    if (!line.isEmpty() || ref.lines.isEmpty())
        ref.lines << trimSpaces(line);
    const ReferencePatterns changes(settings.ChangeDetectList);
    const QStringList &detect = settings.VersionDetectList;
    const auto holds = [&](const QString &l, qsizetype entry) {
        return entry < detect.size() && !detect[entry].isEmpty() &&
               l.contains(detect[entry], Qt::CaseInsensitive);
    };
    for (qsizetype i = 0; i < ref.lines.size(); ++i) {
        QString &l = ref.lines[i];
        ref.kinds.push_back(changes.kind(l));
        if (ref.kinds.back() != ChangeKind::Other || l.isEmpty())
            continue;
        for (const QString &entry : detect) {
            const qsizetype pos = entry.isEmpty() ? -1 : l.indexOf(entry, 0, Qt::CaseInsensitive);
            if (pos < 0)
                continue;
            Release release{LineIndex(int(i)), trimSpaces(l.mid(pos + 7))};
            const qsizetype labelFrom = holds(l, 2) ? 15 : holds(l, 4) ? 16 : -1;
            const QString rewritten = labelFrom < 0 ? l : FormatOldReleaseHeader(l);
            if (rewritten != l) {
                release.label = trimSpaces(rewritten.mid(labelFrom));
                l = rewritten;
                ref.kinds.back() = changes.kind(l);
            }
            ref.releases.push_back(release);
            break;
        }
    }
    return ref;
}

void checkAgainstReference(const HistoryDocument &doc, const Reference &ref)
{
    check(doc.lines.size() == ref.lines.size(), "the reference's number of lines");
    for (LineIndex i(0); doc.lines.contains(i); ++i) {
        check(doc.lines.text(i) == ref.lines[i.value()], "each line as the reference splits and trims it");
        check(doc.lines.kind(i) == ref.kinds[i.at()], "each line classified as the reference classifies it");
    }
    check(doc.releases == ref.releases, "the releases the reference finds");
}

// The lines of a release, from below its header to above the next one; every line for "All".
std::pair<LineIndex, LineIndex> referenceRange(const HistoryDocument &doc, ReleaseIndex release)
{
    if (release.isNone())
        return {LineIndex(0), LineIndex(doc.lines.size() - 1)};
    const std::size_t r = release.at();
    const LineIndex last =
        r + 1 < doc.releases.size() ? doc.releases[r + 1].headerLine - 1 : LineIndex(doc.lines.size() - 1);
    return {doc.releases[r].headerLine + 1, last};
}

// The rows of a view as the rules say, header row included.
std::vector<LineIndex> referenceRows(const HistoryDocument &doc, const ChangesView &view)
{
    const HistoryLines &lines = doc.lines;
    const bool all = view.releaseIndex.isNone();
    const auto [first, last] = referenceRange(doc, view.releaseIndex);
    std::vector<LineIndex> rows;
    if (!all)
        rows.push_back(doc.releases[view.releaseIndex.at()].headerLine);
    for (LineIndex i = first; i <= last; ++i) {
        if (passesViewFilter(lines.kind(i), view.filter) && (all || !lines.isEmpty(i)))
            rows.push_back(i);
    }
    if (view.reversed)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

// "All", the first releases and the last ones: a release's place among the others decides its
// range, so these have every shape a range can take. Checking each of thousands of releases of a
// large input would spend the run on one input.
std::vector<ReleaseIndex> releasesToCheck(const HistoryDocument &doc)
{
    constexpr int EachEnd = 3;
    const int count = doc.releaseCount().value();
    std::vector<ReleaseIndex> chosen{ChangesView::All};
    for (int r = 0; r < count; ++r) {
        if (r < EachEnd || r >= count - EachEnd)
            chosen.emplace_back(r);
    }
    return chosen;
}

void checkViews(const HistoryDocument &doc)
{
    for (const ReleaseIndex r : releasesToCheck(doc)) {
        for (const ViewFilter filter : {ViewFilter::AllChanges, ViewFilter::Additions, ViewFilter::Fixes}) {
            for (const bool reversed : {false, true}) {
                const ChangesView view{r, filter, reversed};
                const ChangesListContent content = BuildChangesList(doc, view);
                std::vector<LineIndex> rows;
                for (ListRow row(0); content.rows.contains(row); ++row)
                    rows.push_back(content.rows.lineAt(row));
                check(rows == referenceRows(doc, view), "a view lists the lines the rules say");
                const auto [first, last] = referenceRange(doc, r);
                int additions = 0, fixes = 0;
                for (LineIndex line = first; line <= last; ++line) {
                    additions += doc.lines.kind(line) == ChangeKind::Addition;
                    fixes += doc.lines.kind(line) == ChangeKind::Fix;
                }
                check(content.AdditionCount == additions && content.FixCount == fixes,
                      "a view counts the kinds of its lines, whatever it shows");
            }
        }
    }
}

// `decoded` holds the text of each line, decoded once for all the searches.
// The new releases above each of the first few releases list what "All" lists of their lines.
void checkNewReleases(const HistoryDocument &doc)
{
    for (const ViewFilter filter : {ViewFilter::AllChanges, ViewFilter::Fixes}) {
        const ChangesListContent all = BuildChangesList(doc, {ChangesView::All, filter, true});
        for (ReleaseIndex lastSeen(1); lastSeen < doc.releaseCount() && lastSeen.value() <= 3; ++lastSeen) {
            const ChangesListContent news =
                BuildChangesList(doc, {ChangesView::All, filter, true, ChangesListMode::Changes, lastSeen});
            std::vector<LineIndex> expected, rows;
            for (ListRow row(0); all.rows.contains(row); ++row) {
                const LineIndex line = all.rows.lineAt(row);
                if (line >= doc.releases.front().headerLine && line < doc.releases[lastSeen.at()].headerLine)
                    expected.push_back(line);
            }
            for (ListRow row(0); news.rows.contains(row); ++row)
                rows.push_back(news.rows.lineAt(row));
            check(rows == expected, "the new releases list what All lists of their lines");
        }
    }
}

// `textEntryPoints`: also search through the entry points that take the text and make the finder
// themselves; that they make it for the lines' encoding needs checking on one document only.
void checkSearch(const HistoryLines &lines, const QStringList &decoded, const QString &text,
                 bool textEntryPoints)
{
    for (const bool wholeWord : {false, true}) {
        const QString needle = searchNeedle(text, wholeWord);
        std::vector<char> holds;
        for (const QString &line : decoded)
            holds.push_back(line.contains(needle, Qt::CaseInsensitive));
        // One finder for every place searched, as the text would make it.
        const TextFinder finder(needle, lines.encoding());
        for (int searchIn = 0; searchIn <= 2; ++searchIn) {
            const SearchIn in = searchInFromNumber(searchIn);
            const bool byText = textEntryPoints && in == SearchIn::Everywhere;
            const std::vector<LineIndex> all =
                byText ? findAll(lines, text, in, wholeWord) : findAll(lines, finder, in);
            std::vector<LineIndex> expected;
            for (LineIndex i(0); lines.contains(i); ++i) {
                if (passesSearchIn(lines, i, in) && holds[i.at()])
                    expected.push_back(i);
            }
            check(all == expected, "Find All lists exactly the decoded lines holding the needle");
            std::vector<LineIndex> stepped;
            for (LineIndex at = byText ? findNext(lines, text, LineIndex(0), in, wholeWord)
                                       : findNext(lines, finder, LineIndex(0), in);
                 !at.isNone() && stepped.size() <= all.size(); at = findNext(lines, finder, at + 1, in))
                stepped.push_back(at);
            check(stepped == all, "Find Next steps through the lines of Find All");
        }
    }
}

void checkCopy(const HistoryDocument &doc)
{
    RowTextColumns columns;
    columns.separateColumns = false;
    const ChangeRows rows = ChangeRows::everyLine(doc.lines.size(), false);
    QString expected;
    for (LineIndex i(0); doc.lines.contains(i); ++i)
        expected += doc.lines.text(i) + QStringLiteral("\r\n");
    check(changeRowsText(doc, rows, {RowSpan{ListRow(0), ListRow(rows.size() - 1)}}, columns) == expected,
          "the copy of every row is every decoded line");
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
        check(rows[r].key == release.key() && rows[r].label == release.label,
              "a statistics row names its release");
        additions += rows[r].additions;
        fixes += rows[r].fixes;
        headers.push_back(release.headerLine);
    }
    for (const ReleaseIndex r : releasesToCheck(doc)) {
        if (r.isNone())
            continue;
        const ReleaseStatsRow &row = rows[r.at()];
        const WeekdayCounts one =
            CalcStatistics(doc, {doc.releases[r.at()].headerLine}, versionDetectList, dayFormat);
        check(total(one.additions) == row.additions && total(one.fixes) == row.fixes,
              "the weekdays of a release sum to its counts");
    }
    const WeekdayCounts all = CalcStatistics(doc, headers, versionDetectList, dayFormat);
    check(total(all.additions) == additions && total(all.fixes) == fixes,
          "the weekdays of all releases sum to the release counts");
}

// The report's shape does not depend on how the history was encoded: checked once an input.
void checkWeekdaysReport(const HistoryDocument &doc, const QStringList &versionDetectList)
{
    std::vector<LineIndex> headers;
    for (const Release &release : doc.releases)
        headers.push_back(release.headerLine);
    QBuffer report;
    report.open(QIODevice::WriteOnly);
    {
        ReportOutput out(report);
        weekdaysReport(doc, headers, versionDetectList, QStringLiteral("dddd"), out);
    }
    check(report.data().count('\n') == 8, "the weekdays report has seven days and a total");
}

void checkDocument(const HistoryDocument &doc, const DetectionSettings &settings, bool textEntryPoints)
{
    checkViews(doc);
    checkNewReleases(doc);
    checkCopy(doc);
    checkStatistics(doc, settings.VersionDetectList);
    // Needles as a user would copy them from the list, and in other letter case.
    const QString line = doc.lines.text(LineIndex(doc.lines.size() / 2));
    const QString needle = line.mid(line.size() / 3, 6);
    QStringList decoded;
    for (LineIndex i(0); doc.lines.contains(i); ++i)
        decoded << doc.lines.text(i);
    checkSearch(doc.lines, decoded, needle, textEntryPoints);
    if (needle.toUpper() != needle)
        checkSearch(doc.lines, decoded, needle.toUpper(), textEntryPoints);
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
    // The refusal of files of too many lines has its floor: nothing of this size is refused.
    HistoryDocument raw;
    check(decodeHistory(bytes, settings, raw).ok, "a small file is read");
    checkDocument(raw, settings, true);
    checkWeekdaysReport(raw, settings.VersionDetectList);

    QString text = QString::fromUtf8(bytes);
    for (QChar &c : text) {
        if (c == QChar(0xFEFF) || !fitsWindows1252(QStringView(&c, 1)))
            c = u'?';
    }
    const Reference ref = referenceOf(text, settings);
    QByteArray utf16("\xff\xfe");
    for (const QChar c : text)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    const QByteArray windows1252 = encodeWindows1252(text);
    // Reading is deterministic: bytes already read (an ASCII input is its own UTF-8 and
    // Windows-1252 form) are compared with the reference but not read and checked again.
    std::vector<QByteArray> checked{bytes};
    for (const QByteArray &form : {text.toUtf8(), windows1252, utf16}) {
        // An 8-bit form that looks like UTF-16, or Windows-1252 bytes that happen to be well-formed
        // UTF-8 (not ASCII), are read as what they look like.
        const auto *s = reinterpret_cast<const unsigned char *>(form.constData());
        if (!hasUtf16Bom(s, form.size()) && guessUtf16(s, form.size()) != Utf16Guess::No)
            continue;
        if (form.constData() == windows1252.constData() && !isAscii(form) && TextSurvey::of(form).isUtf8())
            continue;
        if (form == bytes)
            checkAgainstReference(raw, ref);
        if (std::find(checked.begin(), checked.end(), form) != checked.end())
            continue;
        checked.push_back(form);
        HistoryDocument doc;
        check(decodeHistory(form, settings, doc).ok, "a small file is read in each encoding");
        checkAgainstReference(doc, ref);
        checkDocument(doc, settings, false);
    }
    return 0;
}
