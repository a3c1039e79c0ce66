#include "app/WineRegistryFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringView>

namespace {

const QString fileHeader = QStringLiteral("WINE REGISTRY Version 2");

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Reads text written by Wine between an opening character (already at pos) and the first
// unescaped closing one, undoing Wine's C-like escapes. pos ends after the closing character.
// False when the text never closes.
bool parseEscaped(QStringView line, qsizetype &pos, QChar closing, QString &out)
{
    out.clear();
    ++pos; // the opening character
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c == closing)
            return true;
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (pos >= line.size())
            return false;
        const QChar e = line[pos++];
        switch (e.unicode()) {
        case u'a':
            out += QChar(7);
            break;
        case u'b':
            out += QChar(8);
            break;
        case u'e':
            out += QChar(27);
            break;
        case u'f':
            out += QChar(12);
            break;
        case u'n':
            out += QChar(10);
            break;
        case u'r':
            out += QChar(13);
            break;
        case u't':
            out += QChar(9);
            break;
        case u'v':
            out += QChar(11);
            break;
        case u'x': {
            // Up to four hex digits make one UTF-16 unit; without any it is a plain 'x'.
            char16_t unit = 0;
            int digits = 0;
            while (digits < 4 && pos < line.size() && hexDigit(line[pos]) >= 0) {
                unit = char16_t(unit * 16 + hexDigit(line[pos++]));
                ++digits;
            }
            out += digits ? QChar(unit) : QChar(u'x');
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                char16_t unit = char16_t(e.unicode() - u'0');
                for (int digits = 1;
                     digits < 3 && pos < line.size() && line[pos] >= u'0' && line[pos] <= u'7'; ++digits)
                    unit = char16_t(unit * 8 + (line[pos++].unicode() - u'0'));
                out += QChar(unit);
            } else {
                out += e; // \\ \" \[ \] and anything else stand for themselves
            }
        }
    }
    return false;
}

QString withoutEdgeBackslashes(QString path)
{
    while (path.startsWith(u'\\'))
        path.remove(0, 1);
    while (path.endsWith(u'\\'))
        path.chop(1);
    return path;
}

// The data after "name=": a text value, or a dword as decimal text; other types are not read.
std::optional<QString> parseData(QStringView data)
{
    QString text;
    qsizetype pos = 0;
    if (data.startsWith(u'"')) {
        if (!parseEscaped(data, pos, u'"', text))
            return std::nullopt;
    } else if (data.startsWith(QLatin1String("str("))) {
        pos = data.indexOf(QLatin1String("):"));
        if (pos < 0 || pos + 2 >= data.size() || data[pos + 2] != u'"')
            return std::nullopt;
        pos += 2;
        if (!parseEscaped(data, pos, u'"', text))
            return std::nullopt;
    } else if (data.startsWith(QLatin1String("dword:"))) {
        bool ok = false;
        const quint32 number = data.mid(6).trimmed().toUInt(&ok, 16);
        return ok ? std::optional<QString>(QString::number(number)) : std::nullopt;
    } else {
        return std::nullopt;
    }
    // Text values end at their first NUL, as a registry read would give them.
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

} // namespace

WineRegistryFile::WineRegistryFile(const QByteArray &content)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    m_text = utf8(content);
    if (utf8.hasError())
        m_text = QString::fromLatin1(content);
    if (m_text.startsWith(QChar(0xFEFF)))
        m_text.remove(0, 1);
    if (!m_text.startsWith(fileHeader))
        m_text.clear();
}

WineRegistryFile WineRegistryFile::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WineRegistryFile(QByteArray());
    return WineRegistryFile(file.readAll());
}

std::optional<QString> WineRegistryFile::value(const QString &keyPath, const QString &valueName) const
{
    const QString wantedKey = withoutEdgeBackslashes(keyPath);
    const QStringView text(m_text);
    bool inWantedKey = false;
    QString logical; // one line with its continuations joined
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView piece = text.mid(start, end - start);
        start = end + 1;
        if (piece.endsWith(u'\r'))
            piece.chop(1);
        // Lines of other keys are passed over without being copied: hives run to megabytes.
        if (!inWantedKey && logical.isEmpty() && !piece.startsWith(u'['))
            continue;
        if (!logical.isEmpty())
            piece = piece.trimmed();
        if (piece.endsWith(u'\\') && start < text.size()) {
            logical += piece.chopped(1);
            continue;
        }
        logical += piece;
        const QString line = std::exchange(logical, QString());

        if (line.startsWith(u'[')) {
            qsizetype pos = 0;
            QString key;
            inWantedKey = parseEscaped(line, pos, u']', key) &&
                          withoutEdgeBackslashes(key).compare(wantedKey, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inWantedKey)
            continue;

        qsizetype pos = 0;
        QString name;
        if (line.startsWith(u'@'))
            pos = 1;
        else if (!line.startsWith(u'"') || !parseEscaped(line, pos, u'"', name))
            continue;
        if (pos >= line.size() || line[pos] != u'=')
            continue;
        if (name.compare(valueName, Qt::CaseInsensitive) != 0)
            continue;
        if (std::optional<QString> data = parseData(QStringView(line).mid(pos + 1)))
            return data;
    }
    return std::nullopt;
}
