#include "search/SearchRule.h"

SearchIn searchInFromNumber(int number)
{
    switch (number) {
    case 0:
        return SearchIn::Everywhere;
    case 1:
        return SearchIn::Additions;
    case 2:
        return SearchIn::Fixes;
    default:
        return SearchIn::Nowhere;
    }
}

QString searchNeedle(const QString &text, bool wholeWord)
{
    return wholeWord ? QLatin1Char(' ') + text + QLatin1Char(' ') : text;
}

bool passesSearchIn(const HistoryLines &lines, LineIndex line, SearchIn searchIn)
{
    switch (searchIn) {
    case SearchIn::Everywhere:
        return true;
    case SearchIn::Additions:
        return lines.matchesAddition(line);
    case SearchIn::Fixes:
        return lines.matchesFix(line);
    case SearchIn::Nowhere:
        break;
    }
    return false;
}
