#include "search/SearchRule.h"

QString searchNeedle(const QString &text, int wholeWord)
{
    return wholeWord == 1 ? QLatin1Char(' ') + text + QLatin1Char(' ') : text;
}

bool passesSearchIn(const HistoryLines &lines, LineIndex line, int searchIn)
{
    switch (searchIn) {
    case SearchIn::Everywhere:
        return true;
    case SearchIn::Additions:
        return lines.matchesAddition(line);
    case SearchIn::Fixes:
        return lines.matchesFix(line);
    default:
        return false;
    }
}
