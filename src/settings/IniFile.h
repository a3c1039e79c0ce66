#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// One INI file in memory: "[section]" header lines followed by "key=value" lines. Every line the
// edits do not touch is kept byte for byte, including its line ending and any comment or odd text.
// Names match without regard to case. Lines starting with ";" are comments: they are left out of the
// lists but can still be read by their whole text before "=", so a commented-out key stays reachable.
class IniFile
{
public:
    enum class Encoding { Utf8, Utf8WithBom, Windows1252 };

    // A missing or unreadable file gives an empty one; the first save creates it.
    static IniFile load(const QString &path);
    static IniFile fromBytes(const QByteArray &bytes);

    Encoding encoding() const { return m_encoding; }

    // The value after the first "=", blanks at both ends and one pair of enclosing double quotes
    // removed; nothing when the section or key is missing.
    std::optional<QString> value(QStringView section, QStringView key) const;
    QStringList sectionNames() const;
    QStringList keyNames(QStringView section) const;
    // The section's key lines as they stand, blanks at both ends removed.
    QStringList sectionEntries(QStringView section) const;

    // Each edit returns false and changes nothing when a name or value would break the file's layout
    // (a line break or NUL anywhere, "=" in a key, "]" in a section name, a key or entry starting with "[").
    [[nodiscard]] bool setValue(QStringView section, QStringView key, QStringView value);
    [[nodiscard]] bool removeKey(QStringView section, QStringView key);
    [[nodiscard]] bool removeSection(QStringView section);
    // Replaces the section's key lines with the entries, creating the section when missing.
    [[nodiscard]] bool replaceSection(QStringView section, const QStringList &entries);

    bool isModified() const { return m_modified; }
    QByteArray toBytes() const;
    // Written whole to a temporary file beside the target and renamed over it, so a failure leaves the
    // old file as it was. The encoding read is kept unless a character needs UTF-8.
    [[nodiscard]] bool save(const QString &path) const;

private:
    struct SectionRange
    {
        qsizetype header = -1; // index of the "[name]" line
        qsizetype end = -1;    // one past the section's last line
    };

    SectionRange findSection(QStringView section) const;
    qsizetype findKey(const SectionRange &range, QStringView key) const;
    qsizetype lastContentLine(const SectionRange &range) const;
    QString newLine(const QString &text) const;
    void appendSection(QStringView section, const QStringList &entries);

    QStringList m_lines; // without '\n'; a line read with CR LF keeps its '\r'
    bool m_finalNewline = true;
    bool m_crlf = false;
    bool m_unreadable = false; // there but not readable: saving would wipe it, so save refuses
    bool m_modified = false;
    Encoding m_encoding = Encoding::Utf8;
};
