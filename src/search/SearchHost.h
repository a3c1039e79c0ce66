#pragma once

#include <QString>

// What the Find dialog needs from the main window: run a search over the
// change log, list all hits, and hand focus back to the list of changes.
class SearchHost
{
public:
    virtual ~SearchHost() = default;
    virtual int FindString(const QString &strString, int lngStartItem, int lngSearchIn, int lngWholeWord) = 0;
    virtual void FindAll(const QString &strString, int lngSearchIn, int lngWholeWord) = 0;
    virtual int LastLineIndex() const = 0;
    virtual void focusChangesList() = 0;
    virtual void setFindNextEnabled(bool enabled) = 0;
};
