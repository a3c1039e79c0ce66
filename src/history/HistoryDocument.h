#pragma once

#include "history/HistoryLines.h"

#include <QDebug>
#include <QString>
#include <QStringList>

#include <vector>

// One release of the history: its header line and the label shown in the releases list.
struct Release
{
    LineIndex headerLine{0};
    QString label;

    // "k" plus the header's line index: the handle other windows name a release by.
    QString key() const { return QStringLiteral("k%1").arg(headerLine.value()); }
    bool operator==(const Release &) const = default;
};

QDebug operator<<(QDebug debug, const Release &release);

// The patterns that recognise releases and change lines, from the settings.
struct DetectionSettings
{
    QStringList VersionDetectList; // "VersionDetectStrings" split at ","
    QStringList ChangeDetectList;  // "ChangeDetectStrings" split at ","; 0 additions, 1 fixes

    // The settings' defaults, split the same way (pieces are not trimmed).
    static DetectionSettings defaults();
    static DetectionSettings fromStrings(const QString &VersionDetectStrings,
                                         const QString &ChangeDetectStrings);
};

// A loaded history: its lines with their kinds, and its releases in file order.
struct HistoryDocument
{
    QString path;
    HistoryLines lines;
    std::vector<Release> releases;

    // First and last line a release owns, its header excluded; the last release runs to the end.
    LineIndex firstLineOf(ReleaseIndex release) const { return releases[release.at()].headerLine + 1; }
    LineIndex lastLineOf(ReleaseIndex release) const;
    // The release whose range holds `line`; none for a line before the first release.
    ReleaseIndex releaseOfLine(LineIndex line) const;
    // The release with that key ("k" plus its header's line index); none when no release has it.
    ReleaseIndex releaseIndexOfKey(const QString &key) const;
    // The first release with that label; none for an empty label or when no release has it.
    ReleaseIndex releaseIndexOfLabel(const QString &label) const;
    ReleaseIndex releaseCount() const { return ReleaseIndex(static_cast<int>(releases.size())); }
};

struct LoadResult
{
    bool ok = false;
    QString error; // why the file could not be read, for the message naming it
};
