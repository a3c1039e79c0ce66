// The INI engine on arbitrary file bytes: every section and key is listed and read, an untouched
// file gives back its own bytes, and values written (in their quoted form) read back equal while
// every other key keeps its value.
#include "settings/IniFile.h"
#include "settings/cProfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

struct Entry
{
    QString section;
    QString key;
    QString value;
    bool written = false;
};

bool sameName(const QString &a, const QString &b)
{
    return QStringView(a).trimmed().compare(QStringView(b).trimmed(), Qt::CaseInsensitive) == 0;
}

bool hasLineBreakOrNul(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(u'\0')) ||
           !text.isValidUtf16();
}

bool writable(const QString &section, const QString &key, const QString &value)
{
    const QString s = section.trimmed();
    const QString k = key.trimmed();
    return !s.isEmpty() && !s.contains(u']') && !hasLineBreakOrNul(s) && !k.isEmpty() && !k.contains(u'=') &&
           !k.startsWith(u'[') && !hasLineBreakOrNul(k) && !hasLineBreakOrNul(value);
}

void check(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "INI check failed: %s\n", what);
        abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    IniFile ini = IniFile::fromBytes(bytes);

    std::vector<Entry> entries;
    const QStringList sections = ini.sectionNames();
    for (const QString &section : sections) {
        const QStringList keys = ini.keyNames(section);
        check(keys.size() == ini.sectionEntries(section).size(), "one key name per entry");
        for (const QString &key : keys) {
            const std::optional<QString> value = ini.value(section, key);
            check(value.has_value(), "a listed key reads");
            entries.push_back({section, key, *value, false});
        }
    }

    const bool repaired = ini.encoding() == IniFile::Encoding::Utf8WithBom &&
                          QString::fromUtf8(bytes.mid(3)).toUtf8() != bytes.mid(3);
    if (!repaired)
        check(ini.toBytes() == bytes, "an untouched file keeps its bytes");

    // Edits: values are the file's own raw lines; names are existing ones or new ones from the text.
    const QStringList pieces = QString::fromUtf8(bytes).split(u'\n');
    const int edits = static_cast<int>(std::min<qsizetype>(pieces.size(), 6));
    for (int i = 0; i < edits; ++i) {
        const QString &value = pieces[pieces.size() - 1 - i];
        QString section, key;
        if (!entries.empty() && i % 2 == 0) {
            const Entry &e = entries[static_cast<std::size_t>(i) % entries.size()];
            section = e.section;
            key = e.key;
        } else {
            section = sections.isEmpty() || i % 3 == 0 ? pieces[i].left(12) : sections[i % sections.size()];
            key = pieces[(i + 1) % pieces.size()].left(10);
        }
        const bool ok = ini.setValue(section, key, QuoteProfileValue(value));
        check(ok == writable(section, key, QuoteProfileValue(value)),
              "an edit is refused only for a bad name or value");
        if (!ok)
            continue;
        bool replaced = false;
        for (Entry &e : entries) {
            if (sameName(e.section, section) && sameName(e.key, key)) {
                e.value = value;
                e.written = true;
                replaced = true;
            }
        }
        if (!replaced)
            entries.push_back({section, key, value, true});
    }

    const IniFile reread = IniFile::fromBytes(ini.toBytes());
    for (const Entry &e : entries) {
        const std::optional<QString> value = reread.value(e.section, e.key);
        // A value that begins with two quotes is written as it stands and so loses one pair.
        if (e.written && e.value.startsWith(QStringLiteral("\"\"")))
            continue;
        check(value.has_value(), "a written or kept key is still there");
        if (*value != e.value) {
            fprintf(stderr, "[%s] %s: expected \"%s\" got \"%s\"\n", qPrintable(e.section), qPrintable(e.key),
                    qPrintable(e.value), qPrintable(*value));
        }
        check(*value == e.value, "a value reads back as written");
    }
    return 0;
}
