#include "search/LineSearch.h"

#include "search/LineMatcher.h"
#include "search/SearchRule.h"

#include <algorithm>

namespace {

// The last line at or after `low` whose span starts at or before `offset`. Hits come in file
// order and mostly a few lines apart, so it gallops forward from `low` before bisecting, which
// keeps to memory just read instead of jumping across the whole index.
LineIndex lineAtOffset(const HistoryLines &lines, LineIndex low, qsizetype offset)
{
    const qsizetype count = lines.size();
    qsizetype below = low.value();     // starts at or before offset
    qsizetype above = low.value() + 1; // first candidate not yet known to start at or before offset
    for (qsizetype step = 1; above < count && lines.span(LineIndex(int(above))).offset <= offset; step *= 2) {
        below = above;
        above = below + step;
    }
    above = std::min(above, count);
    while (above - below > 1) {
        const qsizetype mid = below + (above - below) / 2;
        if (lines.span(LineIndex(int(mid))).offset <= offset)
            below = mid;
        else
            above = mid;
    }
    return LineIndex(int(below));
}

// Reports each matching line that release detection left as it was, from `first` on, scanning
// the whole text at once and stopping before byte `stopOffset`. `onMatch` returns false to stop.
template <typename OnMatch>
void scanText(const HistoryLines &lines, const AsciiNoCaseFinder &matcher, LineIndex first,
              qsizetype stopOffset, SearchIn searchIn, OnMatch onMatch)
{
    const char *base = lines.utf8Text().constData();
    const char *stop = base + stopOffset;
    const qsizetype needleLength = matcher.size();
    auto nextLineStart = [&](LineIndex line) {
        return line < lines.lastLineIndex() ? base + lines.span(line + 1).offset : stop;
    };

    LineIndex line = first;
    const char *from = base + lines.span(first).offset;
    while (from < stop) {
        const char *hit = matcher.find(from, stop);
        if (hit == stop)
            return;
        line = lineAtOffset(lines, line, hit - base);
        const HistoryLines::Span &s = lines.span(line);
        // A hit reaching past the line's end (into trimmed blanks, a line break or the next
        // line) is no match, and no later hit in this line can end inside it either.
        const bool inside = hit - base + needleLength <= s.offset + s.length;
        if (inside && !lines.isReplaced(line) && passesSearchIn(lines, line, searchIn) && !onMatch(line))
            return;
        from = nextLineStart(line);
    }
}

// The lines held apart from the buffer (rewritten headers, converted lines), from `first` on.
std::vector<HistoryLines::ReplacedLine>::const_iterator replacedFrom(const HistoryLines &lines,
                                                                     LineIndex first)
{
    const auto &replaced = lines.replacedLines();
    return std::lower_bound(
        replaced.begin(), replaced.end(), first,
        [](const HistoryLines::ReplacedLine &entry, LineIndex line) { return entry.first < line; });
}

bool lineMatches(const HistoryLines &lines, const LineMatcher &matcher, LineIndex line, SearchIn searchIn)
{
    return passesSearchIn(lines, line, searchIn) && matcher.matches(lines.bytes(line));
}

} // namespace

LineIndex findNext(const HistoryLines &lines, const QString &text, LineIndex start, SearchIn searchIn,
                   bool wholeWord)
{
    const LineIndex first = std::max(start, LineIndex(0));
    if (!lines.contains(first) || searchIn == SearchIn::Nowhere)
        return NoLine;
    const LineMatcher matcher(searchNeedle(text, wholeWord));

    if (matcher.ascii() && lines.spansInFileOrder()) {
        // Lines held apart have their text outside the buffer: scan the buffer up to the next
        // of them, test it, and go on past it, so that a step costs what lies before its match.
        const auto &replaced = lines.replacedLines();
        LineIndex from = first;
        for (auto it = replacedFrom(lines, first);; ++it) {
            const bool apartAhead = it != replaced.end() && lines.contains(it->first);
            const qsizetype stopOffset = apartAhead ? lines.span(it->first).offset : lines.utf8Text().size();
            LineIndex found;
            if (lines.contains(from)) {
                scanText(lines, *matcher.ascii(), from, stopOffset, searchIn, [&](LineIndex line) {
                    found = line;
                    return false;
                });
            }
            if (!found.isNone() || !apartAhead)
                return found;
            if (lineMatches(lines, matcher, it->first, searchIn))
                return it->first;
            from = it->first + 1;
        }
    }

    for (LineIndex line = first; lines.contains(line); ++line) {
        if (lineMatches(lines, matcher, line, searchIn))
            return line;
    }
    return NoLine;
}

std::vector<LineIndex> findAll(const HistoryLines &lines, const QString &text, SearchIn searchIn,
                               bool wholeWord)
{
    std::vector<LineIndex> found;
    if (searchIn == SearchIn::Nowhere)
        return found;
    const LineMatcher matcher(searchNeedle(text, wholeWord));

    if (matcher.ascii() && lines.spansInFileOrder()) {
        scanText(lines, *matcher.ascii(), LineIndex(0), lines.utf8Text().size(), searchIn,
                 [&](LineIndex line) {
                     found.push_back(line);
                     return true;
                 });
        std::vector<LineIndex> replacedHits;
        const auto &replaced = lines.replacedLines();
        for (auto it = replaced.begin(); it != replaced.end() && lines.contains(it->first); ++it) {
            if (lineMatches(lines, matcher, it->first, searchIn))
                replacedHits.push_back(it->first);
        }
        if (!replacedHits.empty()) {
            const auto middle = found.insert(found.end(), replacedHits.begin(), replacedHits.end());
            std::inplace_merge(found.begin(), middle, found.end());
        }
        return found;
    }

    for (LineIndex line(0); lines.contains(line); ++line) {
        if (lineMatches(lines, matcher, line, searchIn))
            found.push_back(line);
    }
    return found;
}
