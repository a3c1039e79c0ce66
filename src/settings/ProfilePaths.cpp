#include "settings/ProfilePaths.h"

#include "settings/Globals.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

// Folders on Linux differ by case, so a prefix only stands for a folder when it matches exactly there.
constexpr Qt::CaseSensitivity PathCase =
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

QString withNativeSeparators(QString path)
{
    const QChar native = QDir::separator();
    for (QChar &c : path) {
        if (isSeparator(c))
            c = native;
    }
    return path;
}

} // namespace

QString expandEnvironmentReferences(const QString &text)
{
    QString result;
    result.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'%', pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(u'%', open + 1);
        if (close < 0) {
            result += QStringView(text).mid(pos);
            break;
        }
        result += QStringView(text).mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1);
        if (name.isEmpty()) {
            // "%%": the second sign may open a reference of its own.
            result += u'%';
            pos = close;
        } else {
            result += qEnvironmentVariableIsSet(name.toLocal8Bit().constData())
                          ? qEnvironmentVariable(name.toLocal8Bit().constData())
                          : QStringView(text).mid(open, close - open + 1).toString();
            pos = close + 1;
        }
    }
    result.remove(QChar(u'\0'));
    return result;
}

QString ExpandPath(const QString &path, const ProgramPaths &g)
{
    if (path.isEmpty())
        return path;
    if (path.size() >= ProgramDirPlaceholder.size() &&
        path.startsWith(QStringView(ProgramDirPlaceholder).chopped(1), Qt::CaseInsensitive) &&
        isSeparator(path[ProgramDirPlaceholder.size() - 1]))
        return withNativeSeparators(g.AppDir + path.mid(ProgramDirPlaceholder.size()));

    QString expanded = path;
    // While the file manager's folder is unknown the placeholder is left to the environment, which
    // may name it, rather than turning the path into one at the root.
    if (!g.FileManagerDir.isEmpty()) {
        QString dir = g.FileManagerDir;
        if (isSeparator(dir.back()))
            dir.chop(1);
        expanded.replace(FileManagerDirPlaceholder, dir, Qt::CaseInsensitive);
    }
    return withNativeSeparators(expandEnvironmentReferences(expanded));
}

QString CollapsePath(const QString &path, const ProgramPaths &g)
{
    if (path.compare(missingValueMarker(), Qt::CaseInsensitive) == 0)
        return path;
    if ((g.UnExpandPaths & 1) && !g.AppDir.isEmpty() && path.startsWith(g.AppDir, PathCase))
        return ProgramDirPlaceholder + path.mid(g.AppDir.size());
    if ((g.UnExpandPaths & 2) && !g.FileManagerDir.isEmpty() && path.startsWith(g.FileManagerDir, PathCase))
        return FileManagerDirPlaceholder + path.mid(g.FileManagerDir.size() - 1);
    return path;
}

QString FileDirectory(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i]))
            return path.left(i + 1);
    }
    return path;
}

QString AddBackslash(const QString &path)
{
    if (!path.isEmpty() && isSeparator(path.back()))
        return path;
    return path + QDir::separator();
}

int clampUnExpandPaths(const QString &stored)
{
    return std::clamp(stored.trimmed().toInt(), 0, 3);
}

bool isSystemProgramDir(const QString &appDir, const QString &installedBinDir)
{
    const QString dir = QDir::cleanPath(QDir::fromNativeSeparators(appDir));
    if (!installedBinDir.isEmpty() &&
        dir.compare(QDir::cleanPath(QDir::fromNativeSeparators(installedBinDir)), PathCase) == 0)
        return true;
#ifdef Q_OS_WIN
    return false;
#else
    return dir == QLatin1String("/usr") || dir.startsWith(QLatin1String("/usr/"));
#endif
}

QString chooseIniFilePath(const QString &explicitPath, const QString &appDir, const QString &userConfigDir,
                          const QString &installedBinDir)
{
    static const QString FileName = QStringLiteral("velomir.ini");
    if (!explicitPath.isEmpty())
        return explicitPath;
    QString beside = AddBackslash(appDir) + FileName;
    // An installed program keeps its settings per user even where it could write beside itself (a run
    // as root would write into /usr/bin); a settings file someone put beside it is still used.
    if (QFileInfo::exists(beside) ||
        (QFileInfo(appDir).isWritable() && !isSystemProgramDir(appDir, installedBinDir)))
        return beside;
    return AddBackslash(QDir::toNativeSeparators(userConfigDir)) + FileName;
}
