#pragma once

#include "settings/ProfilePaths.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

// The one gateway to the settings: values under sections and keys in INI files, with the file
// manager's redirection rules ("RedirectSection", "AlternateUserIni").
// (Declared here so that every folder codes against the same calls; the settings folder owns it.)
class cProfile
{
public:
    static constexpr std::chrono::milliseconds DefaultLockTimeout{5000};

    // Reads "PreserveSectionPosition" and "SectionsNotRedirectedByDefault" from paths.IniFilePath;
    // the paths also expand the redirections' placeholders, and outlive the profile.
    // A write that cannot have the settings file's lock within `lockTimeout` is given up.
    explicit cProfile(const ProgramPaths &paths, std::chrono::milliseconds lockTimeout = DefaultLockTimeout);

    const ProgramPaths &paths() const { return m_paths; }

    bool LastReadedKeyIsCommented() const;
    void setLastReadedKeyIsCommented(bool value);
    int FileSectionsNameCount() const;
    int SectionKeysNameAndValueCount() const;
    int SectionKeysNameOnlyCount() const;

    // The writes return false when the file could not be written (it then keeps its old content) or
    // a name or value would break the file's layout; writing MissingValueMarker does nothing.
    bool WriteSection(const QString &strSectionName, const QString &strSectionContents,
                      const QString &strFileName);
    bool DeleteSection(const QString &strSectionName, const QString &strFileName);
    bool DeleteValue(const QString &strSectionName, const QString &strKeyName, const QString &strFileName);

    QString FileSectionsNameList(int lngIndex) const;
    QString SectionKeysNameAndValueList(int lngIndex) const;
    QString SectionKeysNameOnlyList(int lngIndex) const;

    void ReadFileSectionsName(const QString &strFileName);
    void ReadSectionKeysNameAndValue(const QString &strSectionName, const QString &strFileName);
    void ReadSectionKeysNameOnly(const QString &strSectionName, const QString &strFileName,
                                 int lngMaxBufferSize = 4096);

    QString ReadValue(const QString &strSectionName, const QString &strKeyName,
                      const QString &strDefaultValue, const QString &strFileName,
                      int lngMaxBufferSize = 4096);
    QString ReadValueOrComment(const QString &strSectionName, const QString &strKeyName,
                               const QString &strDefaultValue, const QString &strFileName,
                               const QString &strCommentString, int lngMaxBufferSize = 4096);
    QString ReadValueWithoutRedirection(const QString &strSectionName, const QString &strKeyName,
                                        const QString &strDefaultValue, const QString &strFileName,
                                        int lngMaxBufferSize = 4096);
    void SortKeysNameOnlyList();
    bool WriteValue(const QString &strSectionName, const QString &strKeyName, const QString &strValue,
                    const QString &strFileName);
    bool WriteValueAsItIs(const QString &strSectionName, const QString &strKeyName, const QString &strValue,
                          const QString &strFileName);

    // Called once for each file that a write could not save (a missing folder, a read-only file, a
    // lock never had); the write is given up and the program goes on.
    void setWriteFailureHandler(std::function<void(const QString &file)> handler)
    {
        m_writeFailed = std::move(handler);
    }
    // Tells the write failure handler now when the settings file cannot be written as things stand,
    // rather than at the first write.
    void tellIfNotWritable();
    // Why `file` cannot be written as things stand; empty when nothing stands in the way.
    static QString whyNotWritable(const QString &file);
    // What the user is told when settings cannot be saved to `file`.
    static QString notSavedMessage(const QString &file);

    // The file a section lives in, after the redirection rules.
    QString ResolveProfileFile(const QString &section, const QString &key, const QString &file);

private:
    QString readValue(const QString &section, const QString &key, const QString &defaultValue,
                      const QString &file, int maxBufferSize) const;
    bool saved(const class IniFile &ini, const QString &target);
    bool notSaved(const QString &target);
    bool writeResolved(const QString &section, const QString &key, const QString &value, const QString &file);
    // Fills a list the way the engine's NUL-separated answer would, and returns its highest used index.
    static int fillList(QStringList &list, const QStringList &pieces, int bufferSize);

    bool m_lastReadedKeyIsCommented = false;
    int m_fileSectionsNameCount = 0;
    int m_sectionKeysNameAndValueCount = 0;
    int m_sectionKeysNameOnlyCount = 0;
    QStringList m_fileSectionsNameList;
    QStringList m_sectionKeysNameAndValueList;
    QStringList m_sectionKeysNameOnlyList;
    QStringList m_notRedirectedSections;
    int m_preserveSectionPosition = 0;
    int m_sectionBufferSize = 32700;
    const ProgramPaths &m_paths;
    std::chrono::milliseconds m_lockTimeout;
    std::function<void(const QString &file)> m_writeFailed;
    QStringList m_filesNotSaved;
};

// The form a value is written in so that reading it back gives the same text: outer blanks and
// one pair of enclosing double quotes, which a read removes, are protected by one more pair.
QString QuoteProfileValue(const QString &value);

// The section of the program's own keys.
inline const QString SectionVelomir = QStringLiteral("Velomir");
inline const QString SectionCommon = QStringLiteral("Common");
