#include "history/HistoryReader.h"

#include "text/HugePages.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

// Bytes read at a time: each chunk is surveyed while it is still in the cache.
constexpr qsizetype ReadChunk = qsizetype(1) << 20;
// From this size on a file is read in two halves side by side.
constexpr qsizetype BytesForTwoHalves = qsizetype(4) << 20;

#ifdef Q_OS_UNIX
QString openErrorText(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("The file does not exist.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permission denied.");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString notRegularText(mode_t mode)
{
    return S_ISDIR(mode) ? QStringLiteral("It is a folder, not a file.")
                         : QStringLiteral("It is not a regular file.");
}
#endif

QString tooLargeText(qint64 size, qint64 limit)
{
    return QStringLiteral("The file is too large (%1 bytes; at most %2 bytes are read).")
        .arg(size)
        .arg(limit);
}

#ifdef Q_OS_UNIX
// Reads [from, to) of the file into `data`, a chunk at a time, surveying each chunk as it lands;
// `reached` tells how far it got (short of `to` when the file shrank). Returns 0 or an errno value.
int readStretch(int fd, char *data, qsizetype from, qsizetype to, TextSurvey::Stretch &stretch,
                std::atomic<qsizetype> &reached, const std::function<void()> &landed = {})
{
    qsizetype at = from;
    while (at < to) {
        const ssize_t n = ::pread(fd, data + at, static_cast<std::size_t>(std::min(ReadChunk, to - at)), at);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        at += n;
        stretch.survey(data, at);
        reached.store(at, std::memory_order_relaxed);
        if (landed)
            landed();
    }
    return 0;
}

// Reads the whole regular file, never blocking on a pipe or device.
LoadResult readWholeFile(const QString &path, qint64 sizeLimit, QByteArray &bytes, TextSurvey &survey,
                         const ReadProgress &progress)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given.")};
    const QByteArray native = QFile::encodeName(path);
    struct stat st
    {
    };
    // Look before opening, so that no device is ever opened; then check again what was opened.
    if (::stat(native.constData(), &st) != 0)
        return {false, openErrorText(errno)};
    if (!S_ISREG(st.st_mode))
        return {false, notRegularText(st.st_mode)};
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {false, openErrorText(errno)};
    auto fail = [fd](QString reason) {
        ::close(fd);
        return LoadResult{false, std::move(reason)};
    };
    if (::fstat(fd, &st) != 0)
        return fail(openErrorText(errno));
    if (!S_ISREG(st.st_mode))
        return fail(notRegularText(st.st_mode));
    if (st.st_size > sizeLimit)
        return fail(tooLargeText(st.st_size, sizeLimit));

    const auto size = static_cast<qsizetype>(st.st_size);
    QByteArray buffer(size, Qt::Uninitialized);
    char *const data = buffer.data();
    preferHugePages(data, size);
    const qsizetype middle = size >= BytesForTwoHalves ? size / 2 : size;
    TextSurvey::Stretch first(0);
    TextSurvey::Stretch second(middle);
    std::atomic<qsizetype> firstReached{0};
    std::atomic<qsizetype> secondReached{middle};
    int firstError = 0;
    int secondError = 0;
    {
        // Joined when the block is left: the buffer must outlive the reading.
        std::optional<std::jthread> helper;
        if (middle < size)
            helper.emplace([&] { secondError = readStretch(fd, data, middle, size, second, secondReached); });
        firstError = readStretch(fd, data, 0, middle, first, firstReached, [&] {
            if (progress)
                progress(double(firstReached.load() + secondReached.load() - middle) / double(size));
        });
    }
    ::close(fd);
    if (const int error = firstError != 0 ? firstError : secondError; error != 0)
        return {false, QStringLiteral("The file could not be read: %1").arg(openErrorText(error))};
    if (firstReached.load() == middle && secondReached.load() == size) {
        survey = TextSurvey::join(buffer, std::move(first),
                                  middle < size ? std::optional(std::move(second)) : std::nullopt);
    } else {
        // The file shrank while it was read: what was read in one piece from its start is kept.
        buffer.truncate(firstReached.load() < middle ? firstReached.load() : secondReached.load());
        survey = TextSurvey::of(buffer);
    }
    bytes = std::move(buffer);
    return {true, {}};
}
#else
LoadResult readWholeFile(const QString &path, qint64 sizeLimit, QByteArray &bytes, TextSurvey &survey,
                         const ReadProgress &progress)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given.")};
    const QFileInfo info(path);
    if (!info.exists())
        return {false, QStringLiteral("The file does not exist.")};
    if (info.isDir())
        return {false, QStringLiteral("It is a folder, not a file.")};
    if (!info.isFile())
        return {false, QStringLiteral("It is not a regular file.")};
    if (info.size() > sizeLimit)
        return {false, tooLargeText(info.size(), sizeLimit)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString()};
    survey = TextSurvey::of(bytes);
    if (progress)
        progress(1);
    return {true, {}};
}
#endif

} // namespace

LoadResult readHistoryFile(const QString &path, qint64 sizeLimit, QByteArray &bytes, TextSurvey &survey,
                           const ReadProgress &progress)
{
    return readWholeFile(path, sizeLimit, bytes, survey, progress);
}
