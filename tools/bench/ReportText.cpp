#include "ReportText.h"

#include <QLocale>

QString number(double value, int decimals)
{
    return value < 0 ? QStringLiteral("-") : QString::number(value, 'f', decimals);
}

QString msText(double ms)
{
    return number(ms, ms >= 100 ? 0 : ms >= 10 ? 1 : 2);
}

QString linesText(int lines)
{
    const QLocale english(QLocale::English);
    return english.toString(lines);
}

QString baseName(Baseline base)
{
    switch (base) {
    case Baseline::WcLines:
        return QStringLiteral("wc -l");
    case Baseline::GrepFixed:
        return QStringLiteral("grep -F");
    case Baseline::GrepWord:
        return QStringLiteral("grep -w -F");
    case Baseline::None:
        break;
    }
    return QString();
}
