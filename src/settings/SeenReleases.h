#pragma once

#include <QString>

class SettingsStore;
struct ProgramPaths;

// The newest release the user has seen of each history file, kept in section "LastSeenRelease"
// under the file's path as the settings store it (see CollapsePath), so that the next start can
// tell what came in since. A path is written with "%", "=", ";", "[", "]" and blanks
// percent-encoded, which a key could not otherwise hold.
inline const QString SectionLastSeenRelease = QStringLiteral("LastSeenRelease");

// The key of a history file: its absolute path as the settings store it, encoded.
QString seenReleaseKey(const QString &filePath, const ProgramPaths &paths);

// The label remembered for the file; empty when none is.
QString lastSeenReleaseLabel(SettingsStore &settings, const ProgramPaths &paths, const QString &filePath);
// Remembers `label` for the file; an empty label (a history without releases) forgets it.
void rememberSeenRelease(SettingsStore &settings, const ProgramPaths &paths, const QString &filePath,
                         const QString &label);
