#include "settings/cProfile.h"

#include "settings/Globals.h"
#include "settings/IniFile.h"
#include "settings/IniFileLock.h"
#include "settings/ProfilePaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

namespace {

const QString KeyAlternateUserIni = QStringLiteral("AlternateUserIni");
const QString KeyRedirectSection = QStringLiteral("RedirectSection");
const QString KeyUseIniInProgramDir = QStringLiteral("UseIniInProgramDir");
const QString KeyPreserveSectionPosition = QStringLiteral("PreserveSectionPosition");
const QString KeySectionsNotRedirectedByDefault = QStringLiteral("SectionsNotRedirectedByDefault");
const QString SectionConfiguration = QStringLiteral("Configuration");
const QString DefaultNotRedirectedSections =
    QStringLiteral("[Configuration],[Layout],[Packer],[Confirmation],[Extensions],[Associations],[Shortcuts],"
                   "[ShortcutsWin],[PackerPlugins],[FileSystemPlugins],[ListerPlugins],[ContentPlugins]");

constexpr int SectionBufferSize = 32700;
constexpr int MissingFileSectionsBufferSize = 32000;
// Longer section contents are written key by key.
constexpr qsizetype WholeSectionLimit = 65536;

bool isMarker(const QString &text)
{
    return text.compare(missingValueMarker(), Qt::CaseInsensitive) == 0;
}

bool hasSeparator(const QString &path)
{
    return path.contains(u'/') || path.contains(u'\\');
}

// "[A],[B]" gives A and B; names not written in square brackets give none.
QStringList parseSectionList(const QString &value)
{
    QStringList pieces = (value + QStringLiteral(",[")).split(QStringLiteral("],["));
    if (pieces.first().startsWith(u'['))
        pieces.first().remove(0, 1);
    pieces.removeLast();
    return pieces;
}

QString pieceAt(const QStringList &list, int index)
{
    return list.value(index);
}

} // namespace

QString QuoteProfileValue(const QString &value)
{
    if (value.isEmpty() || value.startsWith(TwoQuotes))
        return value;
    if (value.size() >= 2 && value.startsWith(QuoteChar) && value.endsWith(QuoteChar))
        return QuoteChar + value + QuoteChar;
    // A read drops every kind of white space at the ends, tabs and no-break spaces too.
    if (value.front().isSpace() || value.back().isSpace())
        return QuoteChar + value + QuoteChar;
    return value;
}

cProfile::cProfile(const ProgramPaths &paths, std::chrono::milliseconds lockTimeout)
    : m_paths(paths)
    , m_lockTimeout(lockTimeout)
{
    m_sectionBufferSize = SectionBufferSize;
    const QString &ini = m_paths.IniFilePath;
    m_preserveSectionPosition =
        ReadValueWithoutRedirection(SectionVelomir, KeyPreserveSectionPosition, QStringLiteral("0"), ini)
            .trimmed()
            .toInt();
    m_notRedirectedSections = parseSectionList(ReadValueWithoutRedirection(
        SectionCommon, KeySectionsNotRedirectedByDefault, DefaultNotRedirectedSections, ini));
}

bool cProfile::LastReadedKeyIsCommented() const
{
    return m_lastReadedKeyIsCommented;
}

void cProfile::setLastReadedKeyIsCommented(bool value)
{
    m_lastReadedKeyIsCommented = value;
}

int cProfile::FileSectionsNameCount() const
{
    return m_fileSectionsNameCount;
}

int cProfile::SectionKeysNameAndValueCount() const
{
    return m_sectionKeysNameAndValueCount;
}

int cProfile::SectionKeysNameOnlyCount() const
{
    return m_sectionKeysNameOnlyCount;
}

QString cProfile::ResolveProfileFile(const QString &section, const QString &key, const QString &file)
{
    for (const QString *own : {&KeyAlternateUserIni, &KeyRedirectSection, &KeyUseIniInProgramDir}) {
        if (key.compare(*own, Qt::CaseInsensitive) == 0)
            return file;
    }
    // An empty value counts as absent, so a section is never sent to a folder instead of a file.
    const QString alternateRaw =
        ReadValueWithoutRedirection(SectionConfiguration, KeyAlternateUserIni, missingValueMarker(), file);
    const QString redirectRaw =
        ReadValueWithoutRedirection(section, KeyRedirectSection, missingValueMarker(), file);
    const bool hasAlternate = !alternateRaw.isEmpty() && !isMarker(alternateRaw);
    const bool hasRedirect = !redirectRaw.isEmpty() && !isMarker(redirectRaw);
    const QString alternate = hasAlternate ? ExpandPath(alternateRaw, m_paths) : QString();
    const QString redirect = hasRedirect ? ExpandPath(redirectRaw, m_paths) : QString();
    const bool redirectIsFlag = redirect == u"0" || redirect == u"1";

    QString target = file;
    if (hasRedirect && !redirectIsFlag) {
        target = redirect;
    } else if (hasAlternate) {
        if (hasRedirect)
            target = redirect == u"1" ? alternate : file;
        else if (!m_notRedirectedSections.contains(section, Qt::CaseInsensitive))
            target = alternate;
    }
    if (!hasSeparator(target))
        return FileDirectory(file) + target;
    return target;
}

QString cProfile::readValue(const QString &section, const QString &key, const QString &defaultValue,
                            const QString &file, int maxBufferSize) const
{
    const QString value = IniFile::load(file).value(section, key).value_or(defaultValue);
    return value.left(std::max(0, maxBufferSize - 1));
}

QString cProfile::ReadValue(const QString &strSectionName, const QString &strKeyName,
                            const QString &strDefaultValue, const QString &strFileName, int lngMaxBufferSize)
{
    return readValue(strSectionName, strKeyName, strDefaultValue,
                     ResolveProfileFile(strSectionName, strKeyName, strFileName), lngMaxBufferSize);
}

QString cProfile::ReadValueWithoutRedirection(const QString &strSectionName, const QString &strKeyName,
                                              const QString &strDefaultValue, const QString &strFileName,
                                              int lngMaxBufferSize)
{
    return readValue(strSectionName, strKeyName, strDefaultValue, strFileName, lngMaxBufferSize);
}

QString cProfile::ReadValueOrComment(const QString &strSectionName, const QString &strKeyName,
                                     const QString &strDefaultValue, const QString &strFileName,
                                     const QString &strCommentString, int lngMaxBufferSize)
{
    const QString file = ResolveProfileFile(strSectionName, strKeyName, strFileName);
    QString value = readValue(strSectionName, strKeyName, strDefaultValue, file, lngMaxBufferSize);
    m_lastReadedKeyIsCommented = false;
    if (isMarker(value)) {
        value =
            readValue(strSectionName, strCommentString + strKeyName, strDefaultValue, file, lngMaxBufferSize);
        m_lastReadedKeyIsCommented = !isMarker(value);
    }
    return value;
}

bool cProfile::saved(const IniFile &ini, const QString &target)
{
    return ini.save(target) || notSaved(target);
}

bool cProfile::notSaved(const QString &target)
{
    if (m_writeFailed && !m_filesNotSaved.contains(target)) {
        m_filesNotSaved << target;
        m_writeFailed(target);
    }
    return false;
}

void cProfile::tellIfNotWritable()
{
    if (!whyNotWritable(m_paths.IniFilePath).isEmpty())
        (void)notSaved(m_paths.IniFilePath);
}

QString cProfile::whyNotWritable(const QString &file)
{
    const QFileInfo info(file);
    if (info.exists())
        return info.isFile() && info.isWritable() ? QString() : QStringLiteral("the file is read-only");
    // A missing folder is made by the first write, when the nearest folder that exists allows it.
    const QString folder = info.absolutePath();
    QString existing = folder;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).absolutePath() != existing)
        existing = QFileInfo(existing).absolutePath();
    const QFileInfo nearest(existing);
    if (nearest.isDir() && nearest.isWritable())
        return {};
    const QString shown = QDir::toNativeSeparators(folder);
    return existing == folder && nearest.isDir()
               ? QStringLiteral("the folder \"%1\" cannot be written").arg(shown)
               : QStringLiteral("the folder \"%1\" does not exist and cannot be made").arg(shown);
}

QString cProfile::notSavedMessage(const QString &file)
{
    QString why = whyNotWritable(file);
    if (why.isEmpty())
        why = QStringLiteral("the file is locked or the disk refused the write");
    return QStringLiteral("Settings cannot be saved to \"%1\": %2.").arg(QDir::toNativeSeparators(file), why);
}

bool cProfile::writeResolved(const QString &section, const QString &key, const QString &value,
                             const QString &file)
{
    if (isMarker(value))
        return true;
    const QString target = ResolveProfileFile(section, key, file);
    const IniFileLock lock(target, m_lockTimeout);
    if (!lock.isLocked())
        return notSaved(target);
    IniFile ini = IniFile::load(target);
    return ini.setValue(section, key, value) && saved(ini, target);
}

bool cProfile::WriteValue(const QString &strSectionName, const QString &strKeyName, const QString &strValue,
                          const QString &strFileName)
{
    return writeResolved(strSectionName, strKeyName, QuoteProfileValue(strValue), strFileName);
}

bool cProfile::WriteValueAsItIs(const QString &strSectionName, const QString &strKeyName,
                                const QString &strValue, const QString &strFileName)
{
    return writeResolved(strSectionName, strKeyName, strValue, strFileName);
}

bool cProfile::DeleteValue(const QString &strSectionName, const QString &strKeyName,
                           const QString &strFileName)
{
    const QString target = ResolveProfileFile(strSectionName, strKeyName, strFileName);
    const IniFileLock lock(target, m_lockTimeout);
    if (!lock.isLocked())
        return notSaved(target);
    IniFile ini = IniFile::load(target);
    return ini.removeKey(strSectionName, strKeyName) && saved(ini, target);
}

bool cProfile::DeleteSection(const QString &strSectionName, const QString &strFileName)
{
    const QString target = ResolveProfileFile(strSectionName, QString(), strFileName);
    const IniFileLock lock(target, m_lockTimeout);
    if (!lock.isLocked())
        return notSaved(target);
    IniFile ini = IniFile::load(target);
    if (m_preserveSectionPosition == 0)
        return ini.removeSection(strSectionName) && saved(ini, target);
    // The header line stays where it is. The keys are listed from the file they are deleted from, so
    // a second redirection inside that file cannot make the list name another file's keys.
    for (const QString &key : ini.keyNames(strSectionName)) {
        if (!ini.removeKey(strSectionName, key))
            return false;
    }
    return saved(ini, target);
}

bool cProfile::WriteSection(const QString &strSectionName, const QString &strSectionContents,
                            const QString &strFileName)
{
    const QString target = ResolveProfileFile(strSectionName, QString(), strFileName);
    const IniFileLock lock(target, m_lockTimeout);
    if (!lock.isLocked())
        return notSaved(target);
    IniFile ini = IniFile::load(target);
    if (strSectionContents.size() < WholeSectionLimit) {
        static const QRegularExpression EntrySeparator(QStringLiteral("[\\0\\r\\n]+"));
        return ini.replaceSection(strSectionName,
                                  strSectionContents.split(EntrySeparator, Qt::SkipEmptyParts)) &&
               saved(ini, target);
    }
    // Each value is written as the line holds it, quotes included, so that outer blanks survive the
    // read just as they do when the section is written whole.
    for (const QString &line : strSectionContents.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(u'=');
        const QString key = line.left(eq).trimmed();
        if (eq < 0 || key.isEmpty())
            continue;
        if (!ini.setValue(strSectionName, key, QStringView(line).mid(eq + 1).trimmed()))
            return false;
    }
    return saved(ini, target);
}

int cProfile::fillList(QStringList &list, const QStringList &pieces, int bufferSize)
{
    // Only whole entries that fit the answer are kept: a cut name would name something else.
    list.clear();
    qsizetype used = 0;
    for (const QString &piece : pieces) {
        used += piece.size() + 1;
        if (used > bufferSize - 1)
            break;
        list.append(piece);
    }
    list.append(QString());
    return int(list.size()) - 2;
}

void cProfile::ReadFileSectionsName(const QString &strFileName)
{
    m_fileSectionsNameCount = -1;
    const QFileInfo info(strFileName);
    const int bufferSize =
        info.isFile() ? int(std::min<qint64>(info.size(), INT_MAX)) : MissingFileSectionsBufferSize;
    m_fileSectionsNameCount =
        fillList(m_fileSectionsNameList, IniFile::load(strFileName).sectionNames(), bufferSize);
}

void cProfile::ReadSectionKeysNameAndValue(const QString &strSectionName, const QString &strFileName)
{
    m_sectionKeysNameAndValueCount = -1;
    const QString target = ResolveProfileFile(strSectionName, QString(), strFileName);
    m_sectionKeysNameAndValueCount =
        fillList(m_sectionKeysNameAndValueList, IniFile::load(target).sectionEntries(strSectionName),
                 m_sectionBufferSize);
}

void cProfile::ReadSectionKeysNameOnly(const QString &strSectionName, const QString &strFileName,
                                       int lngMaxBufferSize)
{
    m_sectionKeysNameOnlyCount = -1;
    const QString target = ResolveProfileFile(strSectionName, QString(), strFileName);
    m_sectionKeysNameOnlyCount =
        fillList(m_sectionKeysNameOnlyList, IniFile::load(target).keyNames(strSectionName), lngMaxBufferSize);
}

QString cProfile::FileSectionsNameList(int lngIndex) const
{
    return pieceAt(m_fileSectionsNameList, lngIndex);
}

QString cProfile::SectionKeysNameAndValueList(int lngIndex) const
{
    return pieceAt(m_sectionKeysNameAndValueList, lngIndex);
}

QString cProfile::SectionKeysNameOnlyList(int lngIndex) const
{
    return pieceAt(m_sectionKeysNameOnlyList, lngIndex);
}

void cProfile::SortKeysNameOnlyList()
{
    const int last = std::min<int>(m_sectionKeysNameOnlyCount, int(m_sectionKeysNameOnlyList.size()) - 1);
    for (int i = 0; i < last; ++i) {
        for (int j = i + 1; j <= last; ++j) {
            if (m_sectionKeysNameOnlyList[i].compare(m_sectionKeysNameOnlyList[j], Qt::CaseInsensitive) > 0)
                m_sectionKeysNameOnlyList.swapItemsAt(i, j);
        }
    }
}
