#pragma once

#include "history/HistoryDocument.h"
#include "text/TextFinder.h"

#include <QString>
#include <QStringList>

#include <vector>

class LineClassifier;

// Moves the date in the parentheses of an old-style header to the front as "dd.mm.yy":
// "New in version 4.0 (10.3.99)" becomes "10.03.99 New in version 4.0". A header without a "("
// followed by a ")", or with fewer than three "."-parts between them, has no date to move and is
// returned unchanged.
QString FormatOldReleaseHeader(const QString &line);

// The detection texts of VersionDetectList, ready to look for in one line after another.
class ReleaseDetector
{
public:
    ReleaseDetector(const QStringList &VersionDetectList, TextEncoding encoding);

    // Whether a line of these facts may be a header at all: change lines and empty lines never are.
    static bool mayBeHeader(const HistoryLines::Facts &facts, bool empty)
    {
        return !facts.matchesAddition && !facts.matchesFix && !empty;
    }
    // Character position in the line at which the first entry of the list found in it (without
    // regard to case) begins, or -1 when there is none. An empty entry occurs nowhere: a stray ","
    // in the settings must not turn every line into a release.
    qsizetype headerPosition(const LineText &line) const;
    // The release of header line `line`, whose detection text begins at `position`: labelled by the
    // text from seven characters after it; a header holding entry 2 or 4 is rewritten by
    // FormatOldReleaseHeader, in `lines` too, with fresh facts.
    Release release(HistoryLines &lines, LineIndex line, qsizetype position,
                    const LineClassifier &classifier) const;

private:
    bool holds(std::size_t entry, const LineText &line) const;

    std::vector<TextFinder> m_needles;
};
