#include "search/FindOptions.h"

#include <QStringList>

#include <algorithm>
#include <limits>

int leadingNumber(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        negative = text[at] == u'-';
        ++at;
    }
    // Gathered in 64 bits and held to the int range, so an absurdly long stored number cannot
    // overflow; it only ends up out of range for every control.
    constexpr qint64 Limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at)
        value = std::min(Limit, value * 10 + (text[at].unicode() - u'0'));
    if (negative)
        value = -value;
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

FindOptions FindOptions::parse(const QString &text)
{
    const QStringList fields = text.split(u',');
    const auto field = [&fields](int index) -> std::optional<int> {
        if (index >= fields.size())
            return std::nullopt;
        return leadingNumber(fields[index]);
    };
    return FindOptions{field(0), field(1), field(2)};
}

QString FindOptions::format(int selectedEntry, int searchIn, int wholeWord)
{
    return QStringLiteral("%1,%2,%3").arg(selectedEntry).arg(searchIn).arg(wholeWord);
}

QDebug operator<<(QDebug debug, const FindOptions &options)
{
    QDebugStateSaver saver(debug);
    const auto show = [](const std::optional<int> &field) {
        return field ? QString::number(*field) : QStringLiteral("none");
    };
    debug.nospace() << "FindOptions(" << show(options.selectedEntry) << ", " << show(options.searchIn) << ", "
                    << show(options.wholeWord) << ')';
    return debug;
}
