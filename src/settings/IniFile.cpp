#include "settings/IniFile.h"

#include "text/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

Q_LOGGING_CATEGORY(lcIniFile, "velomir.settings")

namespace {

constexpr QStringView Utf8Bom = u"\uFEFF";

// Text that would break the file's layout, or that no encoding can hold (a lone surrogate would be
// written as "?" and read back changed).
bool unstorable(QStringView text)
{
    if (!text.isValidUtf16())
        return true;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\0')
            return true;
    }
    return false;
}

// Bytes outside ASCII that also form well-formed UTF-8.
bool readsAsOtherUtf8(const QByteArray &bytes)
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);
    return !utf8.hasError() && !decoded.isEmpty();
}

bool isHeader(QStringView trimmed)
{
    return trimmed.startsWith(u'[');
}

QStringView headerName(QStringView trimmed)
{
    QStringView name = trimmed.mid(1);
    const qsizetype close = name.indexOf(u']');
    if (close >= 0)
        name = name.left(close);
    return name.trimmed();
}

// The key of a "key=value" line, or an empty view when the line holds none.
QStringView keyOf(QStringView trimmed)
{
    if (isHeader(trimmed))
        return {};
    const qsizetype eq = trimmed.indexOf(u'=');
    return eq < 0 ? QStringView() : trimmed.left(eq).trimmed();
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool validSection(QStringView section)
{
    const QStringView name = section.trimmed();
    return !name.isEmpty() && !name.contains(u']') && !unstorable(name);
}

bool validKey(QStringView key)
{
    const QStringView name = key.trimmed();
    return !name.isEmpty() && !name.contains(u'=') && !isHeader(name) && !unstorable(name);
}

} // namespace

IniFile IniFile::load(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return IniFile();
    // Only a regular file is read: a pipe would block and a device such as /dev/full never ends.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        IniFile failed;
        failed.m_unreadable = true;
        return failed;
    }
    IniFile ini = fromBytes(file.readAll());
    ini.m_unreadable = file.error() != QFileDevice::NoError;
    return ini;
}

IniFile IniFile::fromBytes(const QByteArray &bytes)
{
    IniFile ini;
    QString text;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        ini.m_encoding = Encoding::Utf8WithBom;
        text = QString::fromUtf8(bytes.mid(3));
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            ini.m_encoding = Encoding::Windows1252;
            text = decodeWindows1252(bytes);
        }
    }
#ifdef Q_OS_WIN
    ini.m_crlf = true;
#endif
    if (text.isEmpty())
        return ini;
    ini.m_lines = text.split(u'\n');
    ini.m_finalNewline = ini.m_lines.last().isEmpty();
    if (ini.m_finalNewline)
        ini.m_lines.removeLast();
    ini.m_crlf = !ini.m_lines.isEmpty() && ini.m_lines.first().endsWith(u'\r');
    return ini;
}

IniFile::SectionRange IniFile::findSection(QStringView section) const
{
    const QStringView wanted = section.trimmed();
    SectionRange range;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QStringView line = QStringView(m_lines[i]).trimmed();
        if (!isHeader(line))
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(headerName(line), wanted))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = m_lines.size();
    return range;
}

qsizetype IniFile::findKey(const SectionRange &range, QStringView key) const
{
    const QStringView wanted = key.trimmed();
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QStringView name = keyOf(QStringView(m_lines[i]).trimmed());
        if (!name.isEmpty() && sameName(name, wanted))
            return i;
    }
    return -1;
}

qsizetype IniFile::lastContentLine(const SectionRange &range) const
{
    qsizetype last = range.header;
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        if (!QStringView(m_lines[i]).trimmed().isEmpty())
            last = i;
    }
    return last;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const
{
    const SectionRange range = findSection(section);
    if (range.header < 0)
        return std::nullopt;
    const qsizetype index = findKey(range, key);
    if (index < 0)
        return std::nullopt;
    const QStringView line = QStringView(m_lines[index]).trimmed();
    QStringView text = line.mid(line.indexOf(u'=') + 1).trimmed();
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text.toString();
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (const QString &line : m_lines) {
        const QStringView trimmed = QStringView(line).trimmed();
        if (isHeader(trimmed) && !headerName(trimmed).isEmpty())
            names.append(headerName(trimmed).toString());
    }
    return names;
}

QStringList IniFile::keyNames(QStringView section) const
{
    QStringList names;
    for (const QString &entry : sectionEntries(section))
        names.append(keyOf(entry).toString());
    return names;
}

QStringList IniFile::sectionEntries(QStringView section) const
{
    QStringList entries;
    const SectionRange range = findSection(section);
    for (qsizetype i = range.header + 1; range.header >= 0 && i < range.end; ++i) {
        const QStringView line = QStringView(m_lines[i]).trimmed();
        if (!line.startsWith(u';') && !keyOf(line).isEmpty())
            entries.append(line.toString());
    }
    return entries;
}

QString IniFile::newLine(const QString &text) const
{
    return m_crlf ? text + u'\r' : text;
}

void IniFile::appendSection(QStringView section, const QStringList &entries)
{
    if (!m_lines.isEmpty() && !QStringView(m_lines.last()).trimmed().isEmpty())
        m_lines.append(newLine(QString()));
    m_lines.append(newLine(u'[' + section.trimmed().toString() + u']'));
    for (const QString &entry : entries)
        m_lines.append(newLine(entry));
}

bool IniFile::setValue(QStringView section, QStringView key, QStringView value)
{
    if (!validSection(section) || !validKey(key) || unstorable(value))
        return false;
    m_modified = true;
    const QString entry = key.trimmed().toString() + u'=' + value.toString();
    const SectionRange range = findSection(section);
    if (range.header < 0) {
        appendSection(section, {entry});
        return true;
    }
    const qsizetype index = findKey(range, key);
    if (index < 0) {
        m_lines.insert(lastContentLine(range) + 1, newLine(entry));
        return true;
    }
    // Keep the key as the file spells it and the line's own ending.
    QString &line = m_lines[index];
    const bool cr = line.endsWith(u'\r');
    line = line.left(line.indexOf(u'=') + 1) + value.toString();
    if (cr)
        line += u'\r';
    return true;
}

bool IniFile::removeKey(QStringView section, QStringView key)
{
    const SectionRange range = findSection(section);
    const qsizetype index = range.header < 0 ? -1 : findKey(range, key);
    if (index >= 0) {
        m_lines.removeAt(index);
        m_modified = true;
    }
    return true;
}

bool IniFile::removeSection(QStringView section)
{
    const SectionRange range = findSection(section);
    if (range.header >= 0) {
        m_lines.remove(range.header, range.end - range.header);
        m_modified = true;
    }
    return true;
}

bool IniFile::replaceSection(QStringView section, const QStringList &entries)
{
    if (!validSection(section))
        return false;
    QStringList lines;
    for (const QString &entry : entries) {
        const QStringView trimmed = QStringView(entry).trimmed();
        if (trimmed.isEmpty())
            continue;
        if (isHeader(trimmed) || unstorable(trimmed))
            return false;
        lines.append(trimmed.toString());
    }
    m_modified = true;
    const SectionRange range = findSection(section);
    if (range.header < 0) {
        appendSection(section, lines);
        return true;
    }
    const qsizetype first = range.header + 1;
    m_lines.remove(first, lastContentLine(range) + 1 - first);
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_lines.insert(first + i, newLine(lines[i]));
    return true;
}

QByteArray IniFile::toBytes() const
{
    QString text = m_lines.join(u'\n');
    if (m_finalNewline && !m_lines.isEmpty())
        text += u'\n';
    if (m_encoding == Encoding::Windows1252 && fitsWindows1252(text)) {
        QByteArray bytes = encodeWindows1252(text);
        // Once the bytes that made the file no UTF-8 are gone, the code-page letters left may
        // form UTF-8 and would read back as other letters: the file then goes over to UTF-8.
        if (!readsAsOtherUtf8(bytes))
            return bytes;
    }
    if (m_encoding == Encoding::Utf8WithBom)
        text.prepend(Utf8Bom);
    return text.toUtf8();
}

bool IniFile::save(const QString &path) const
{
    if (m_unreadable) {
        qCWarning(lcIniFile) << "Not writing" << path << "because it could not be read first";
        return false;
    }
    if (!m_modified)
        return true;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        qCWarning(lcIniFile) << "Cannot create the folder of" << path;
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = toBytes();
    // A short write (a full disk, a file size limit) must never be renamed over the old file.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qCWarning(lcIniFile) << "Cannot write" << path << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcIniFile) << "Cannot write" << path << file.errorString();
        return false;
    }
    return true;
}
