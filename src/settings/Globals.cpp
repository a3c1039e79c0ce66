#include "settings/Globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

QString makeMissingValueMarker(QRandomGenerator &random)
{
    QString marker;
    marker.reserve(18);
    for (int i = 0; i < 6; ++i)
        marker += QChar(u'A' + random.bounded(26));
    marker += QStringLiteral("%1").arg(random.bounded(1000000), 6, 10, QChar(u'0'));
    for (int i = 0; i < 6; ++i)
        marker += QChar(u'a' + random.bounded(26));
    return marker;
}

const QString &missingValueMarker()
{
    static const QString marker = makeMissingValueMarker(*QRandomGenerator::global());
    return marker;
}

QString programDirectory()
{
    QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!dir.endsWith(QDir::separator()))
        dir += QDir::separator();
    return dir;
}
