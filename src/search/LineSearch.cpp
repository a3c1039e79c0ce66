#include "search/LineSearch.h"

#include "search/SearchRule.h"
#include "text/TextFinder.h"

#include <algorithm>

namespace {

// The last line at or after `low` whose text begins at or before `offset`. Hits come in file
// order and mostly a few lines apart, so it gallops forward from `low` before bisecting, which
// keeps to memory just read instead of jumping across the whole index.
LineIndex lineAtOffset(const HistoryLines &lines, LineIndex low, qsizetype offset)
{
    const qsizetype count = lines.size();
    qsizetype below = low.value();     // begins at or before offset
    qsizetype above = low.value() + 1; // first candidate not yet known to begin at or before offset
    for (qsizetype step = 1; above < count && lines.textBegin(LineIndex(int(above))) <= offset; step *= 2) {
        below = above;
        above = below + step;
    }
    above = std::min(above, count);
    while (above - below > 1) {
        const qsizetype mid = below + (above - below) / 2;
        if (lines.textBegin(LineIndex(int(mid))) <= offset)
            below = mid;
        else
            above = mid;
    }
    return LineIndex(int(below));
}

// Reports each line from `first` on whose bytes in the text hold a hit of the pattern, scanning
// the whole text at once and stopping before byte `stopOffset`. Returns false when `onMatch` did.
template <typename OnMatch>
bool scanText(const HistoryLines &lines, const BytePattern &pattern, LineIndex first, qsizetype stopOffset,
              SearchIn searchIn, OnMatch onMatch)
{
    const char *base = lines.rawText().constData();
    const char *stop = base + stopOffset;
    auto nextLineStart = [&](LineIndex line) {
        return line < lines.lastLineIndex() ? base + lines.textBegin(line + 1) : stop;
    };
    LineIndex line = first;
    const char *from = base + lines.textBegin(first);
    while (from < stop) {
        const char *hit = pattern.find(from, stop);
        if (hit == stop)
            return true;
        line = lineAtOffset(lines, line, hit - base);
        // A hit reaching past the line's end (into trimmed blanks, a line break or the next line)
        // is no match, and no later hit in this line can end inside it either. A line held apart
        // lies nowhere in the text, so no hit is ever inside it.
        const bool inside = hit - base + pattern.size() <= lines.textEnd(line);
        if (inside && passesSearchIn(lines, line, searchIn) && !onMatch(line))
            return false;
        from = std::max(nextLineStart(line), hit + 1);
    }
    return true;
}

// The lines from `first` on that the pattern cannot judge in the text: those held apart, and,
// when the text has letters whose partners take another number of bytes, those holding such
// letters. In line order, each once.
std::vector<LineIndex> linesTestedAlone(const HistoryLines &lines, const TextFinder &finder, LineIndex first)
{
    std::vector<LineIndex> alone;
    for (const HistoryLines::ReplacedLine &replaced : lines.replacedLines()) {
        if (replaced.first >= first && lines.contains(replaced.first))
            alone.push_back(replaced.first);
    }
    if (finder.plainLinesOnly()) {
        const std::vector<LineIndex> &odd = lines.oddWidthLines();
        const std::size_t apart = alone.size();
        alone.insert(alone.end(), std::lower_bound(odd.begin(), odd.end(), first), odd.end());
        std::inplace_merge(alone.begin(), alone.begin() + std::ptrdiff_t(apart), alone.end());
        alone.erase(std::unique(alone.begin(), alone.end()), alone.end());
    }
    return alone;
}

// Reports every matching line from `first` on, in ascending order, until `onMatch` returns false.
template <typename OnMatch>
void forEachMatch(const HistoryLines &lines, const TextFinder &finder, LineIndex first, SearchIn searchIn,
                  OnMatch onMatch)
{
    auto testAlone = [&](LineIndex line) {
        return passesSearchIn(lines, line, searchIn) && finder.contains(lines.lineText(line));
    };
    if (finder.neverMatches())
        return;
    if (finder.isEmpty() || !finder.pattern()) {
        for (LineIndex line = first; lines.contains(line); ++line) {
            if (testAlone(line) && !onMatch(line))
                return;
        }
        return;
    }
    // The text is scanned up to the next line tested alone, which is tested, and so on past it,
    // so that a step costs what lies before its match.
    const std::vector<LineIndex> alone = linesTestedAlone(lines, finder, first);
    LineIndex from = first;
    for (auto it = alone.begin();; ++it) {
        const bool aloneAhead = it != alone.end();
        const qsizetype stopOffset = aloneAhead ? lines.textBegin(*it) : lines.rawText().size();
        if (lines.contains(from) && (!aloneAhead || from < *it) &&
            !scanText(lines, *finder.pattern(), from, stopOffset, searchIn, onMatch))
            return;
        if (!aloneAhead)
            return;
        if (testAlone(*it) && !onMatch(*it))
            return;
        from = *it + 1;
    }
}

} // namespace

LineIndex findNext(const HistoryLines &lines, const QString &text, LineIndex start, SearchIn searchIn,
                   bool wholeWord)
{
    if (!lines.contains(std::max(start, LineIndex(0))) || searchIn == SearchIn::Nowhere)
        return NoLine;
    return findNext(lines, TextFinder(searchNeedle(text, wholeWord), lines.encoding()), start, searchIn);
}

LineIndex findNext(const HistoryLines &lines, const TextFinder &finder, LineIndex start, SearchIn searchIn)
{
    const LineIndex first = std::max(start, LineIndex(0));
    if (!lines.contains(first) || searchIn == SearchIn::Nowhere)
        return NoLine;
    LineIndex found;
    forEachMatch(lines, finder, first, searchIn, [&found](LineIndex line) {
        found = line;
        return false;
    });
    return found;
}

std::vector<LineIndex> findAll(const HistoryLines &lines, const QString &text, SearchIn searchIn,
                               bool wholeWord)
{
    if (searchIn == SearchIn::Nowhere)
        return {};
    return findAll(lines, TextFinder(searchNeedle(text, wholeWord), lines.encoding()), searchIn);
}

std::vector<LineIndex> findAll(const HistoryLines &lines, const TextFinder &finder, SearchIn searchIn)
{
    std::vector<LineIndex> found;
    if (searchIn == SearchIn::Nowhere)
        return found;
    forEachMatch(lines, finder, LineIndex(0), searchIn, [&found](LineIndex line) {
        found.push_back(line);
        return true;
    });
    return found;
}
