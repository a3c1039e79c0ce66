#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// One of Wine's registry hive files (user.reg, system.reg): text that starts with
// "WINE REGISTRY Version 2", then sections "[Key\\Path] time" each followed by its values.
// Only what a reader needs is understood: text values ("..." and str(N):"...") and dwords
// (as decimal text). Anything damaged or unknown is simply not found.
class WineRegistryFile
{
public:
    // The file's bytes are UTF-8 when they decode as such, else Latin-1 (Wine's own files are
    // ASCII with \x escapes for everything else).
    explicit WineRegistryFile(const QByteArray &content);

    // Reads the file; a missing or unreadable file holds nothing.
    static WineRegistryFile fromFile(const QString &path);

    // The value named valueName (empty: the key's default value "@") under keyPath, given
    // relative to the hive's root with single backslashes. Key paths and value names match
    // without regard to case.
    [[nodiscard]] std::optional<QString> value(const QString &keyPath, const QString &valueName) const;

private:
    QString m_text;
};
