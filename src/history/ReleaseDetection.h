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

// Finds the release headers among the lines in file order. Change lines and empty lines are never
// headers; the first entry of VersionDetectList found in a line (without regard to case) makes it
// a header, labelled by the text from seven characters after the entry's start. Headers holding
// entry 2 or 4 are rewritten by FormatOldReleaseHeader, in `lines` too, with fresh facts.
std::vector<Release> detectReleases(HistoryLines &lines, const QStringList &VersionDetectList,
                                    const LineClassifier &classifier);
