#pragma once

#include "history/HistoryDocument.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

// What the statistics window needs of the main window: the loaded history, the display
// settings it formats and draws with, and the jump back to a release.
class StatisticsHost
{
public:
    virtual ~StatisticsHost() = default;

    virtual const HistoryDocument &statisticsDocument() const = 0;
    virtual QStringList versionDetectList() const = 0;
    virtual QString dayFormat() const = 0;
    virtual QString dateFormat() const = 0;
    virtual QFont listFont() const = 0;
    // The additions and fixes colours of the display settings, as the lists draw them.
    virtual QColor additionsColor() const = 0;
    virtual QColor fixesColor() const = 0;

    // Shows the release with that key ("k" plus its header's line index) as if it was clicked in
    // the releases list; false, changing nothing, when no release has the key.
    virtual bool GoToVersion(const QString &key) = 0;
};
