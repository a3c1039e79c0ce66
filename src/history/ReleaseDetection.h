#pragma once

#include "history/HistoryDocument.h"

#include <QString>
#include <QStringList>

#include <vector>

class LineClassifier;

// Moves the date in the parentheses of an old-style header to the front as "dd.mm.yy":
// "New in version 4.0 (10.3.99)" becomes "10.03.99 New in version 4.0". A header without a "("
// followed by a ")", or with fewer than three "."-parts between them, has no date to move and is
// returned unchanged.
QString FormatOldReleaseHeader(const QString &line);

class ReleaseNeedle;

// The detection texts of VersionDetectList, ready to look for in one line after another.
class ReleaseDetector
{
public:
    explicit ReleaseDetector(const QStringList &VersionDetectList);
    ~ReleaseDetector();
    ReleaseDetector(const ReleaseDetector &) = delete;
    ReleaseDetector &operator=(const ReleaseDetector &) = delete;

    // Whether a line of these facts may be a header at all: change lines and empty lines never are.
    static bool mayBeHeader(const HistoryLines::Facts &facts, bool empty)
    {
        return !facts.matchesAddition && !facts.matchesFix && !empty;
    }
    // Character position in the line at which the first entry of the list found in it (without
    // regard to case) begins, or -1 when there is none. `lineIsAscii` says the line holds only ASCII.
    qsizetype headerPosition(QByteArrayView utf8Line, bool lineIsAscii) const;
    // The release of header line `line`, whose detection text begins at `position`: labelled by the
    // text from seven characters after it; a header holding entry 2 or 4 is rewritten by
    // FormatOldReleaseHeader, in `lines` too, with fresh facts.
    Release release(HistoryLines &lines, LineIndex line, qsizetype position,
                    const LineClassifier &classifier) const;

private:
    std::vector<ReleaseNeedle> m_needles;
    bool m_textNeedles = false; // some entry holds more than ASCII: every line is searched as text
};

// Finds the release headers among the lines in file order. Change lines and empty lines are never
// headers; the first entry of VersionDetectList found in a line (without regard to case) makes it
// a header, labelled by the text from seven characters after the entry's start. Headers holding
// entry 2 or 4 are rewritten by FormatOldReleaseHeader, in `lines` too, with fresh facts.
std::vector<Release> detectReleases(HistoryLines &lines, const QStringList &VersionDetectList,
                                    const LineClassifier &classifier);
