#pragma once

#include <QString>

// The entry that `path` names, found as Windows and Wine find it: each part of the path matches
// a name in its folder whatever the case. A part that exists as written is taken as written;
// among names that differ from it only in case, the first in code-unit order is taken, so the
// choice does not depend on the order the folder lists them in. Returns `path` unchanged when it
// exists as written or when some part matches nothing. Paths use "/" (native separators on
// Windows, where the file system is case-blind itself and `path` is returned as it is).
QString findCaseBlind(const QString &path);
