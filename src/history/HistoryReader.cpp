#include "history/HistoryReader.h"

#include "history/HistoryEncoding.h"
#include "history/LineEnds.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>

#ifdef Q_OS_UNIX
#include <condition_variable>
#include <mutex>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

// Bytes read at a time while a load goes on with what has arrived.
constexpr qsizetype ReadChunk = qsizetype(1) << 20;

using Span = HistoryLines::Span;

std::vector<Span> splitLines(const QByteArray &text, qsizetype begin)
{
    const char *const base = text.constData();
    const char *const end = base + text.size();
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>((text.size() - begin) / 64 + 16));
    for (const char *p = base + begin;;) {
        const char *eol = findLineEnd(p, end).at;
        spans.push_back(trimmedSpan(base, p, eol));
        if (eol == end)
            break;
        p = eol + 1;
        if (*eol == '\r' && p < end && *p == '\n')
            ++p;
        if (p == end)
            break; // a terminator at the very end opens no further line
    }
    return spans;
}

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
// Reads up to `buffer.size()` bytes into `buffer`; `done` tells how many came (fewer when the
// file shrank since it was measured). With `arrived`, a file of several chunks is read on a
// second thread while this one is told of each chunk as it lands. Returns 0 or an errno value.
int readArriving(int fd, QByteArray &buffer, const BytesArrived &arrived, qsizetype &done)
{
    char *const data = buffer.data();
    const qsizetype size = buffer.size();
    auto readFrom = [fd, data, size](qsizetype at, qsizetype most, qsizetype &got) {
        for (;;) {
            const ssize_t n = ::read(fd, data + at, static_cast<std::size_t>(std::min(most, size - at)));
            if (n >= 0) {
                got = n;
                return 0;
            }
            if (errno != EINTR)
                return errno;
        }
    };

    if (!arrived || size < 2 * ReadChunk) {
        qsizetype got = 0;
        for (done = 0; done < size; done += got) {
            if (const int error = readFrom(done, size - done, got); error != 0)
                return error;
            if (got == 0)
                break;
        }
        if (arrived)
            arrived(data, done, size);
        return 0;
    }

    struct Shared
    {
        std::mutex mutex;
        std::condition_variable landed;
        qsizetype done = 0;
        bool finished = false;
        int error = 0;
    } shared;
    // Joined when this function is left, however it is left: the buffer must outlive the reading.
    const std::jthread reader([&] {
        qsizetype at = 0;
        qsizetype got = 0;
        int error = 0;
        while (at < size && (error = readFrom(at, ReadChunk, got)) == 0 && got > 0) {
            at += got;
            const std::lock_guard lock(shared.mutex);
            shared.done = at;
            shared.landed.notify_one();
        }
        const std::lock_guard lock(shared.mutex);
        shared.finished = true;
        shared.error = error;
        shared.landed.notify_one();
    });
    qsizetype seen = 0;
    for (;;) {
        bool finished = false;
        {
            std::unique_lock lock(shared.mutex);
            shared.landed.wait(lock, [&] { return shared.done > seen || shared.finished; });
            done = shared.done;
            finished = shared.finished;
            if (finished && shared.error != 0)
                return shared.error;
        }
        if (done > seen && !finished)
            arrived(data, done, size);
        seen = done;
        if (finished)
            break;
    }
    arrived(data, done, size);
    return 0;
}
#endif

// Reads the whole regular file, never blocking on a pipe or device.
LoadResult readWholeFile(const QString &path, qint64 sizeLimit, QByteArray &bytes,
                         const BytesArrived &arrived)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given.")};
#ifdef Q_OS_UNIX
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
    QByteArray buffer(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    if (const int error = readArriving(fd, buffer, arrived, done); error != 0)
        return fail(QStringLiteral("The file could not be read: %1").arg(openErrorText(error)));
    ::close(fd);
    buffer.truncate(done);
    bytes = std::move(buffer);
    return {true, {}};
#else
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
    if (arrived)
        arrived(bytes.constData(), bytes.size(), bytes.size());
    return {true, {}};
#endif
}

} // namespace

HistoryLines decodeHistoryBytes(QByteArray fileBytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(fileBytes.constData());
    const qsizetype n = fileBytes.size();
    if (hasUtf16Bom(s, n)) {
        QByteArray text = fromUtf16(s + 2, n - 2, s[0] == 0xFE);
        auto spans = splitLines(text, 0);
        return HistoryLines(std::move(text), std::move(spans));
    }
    if (const Utf16Guess guess = guessUtf16(s, n); guess != Utf16Guess::No) {
        QByteArray text = fromUtf16(s, n, guess == Utf16Guess::BigEndian);
        auto spans = splitLines(text, 0);
        return HistoryLines(std::move(text), std::move(spans));
    }
    const bool utf8Bom = hasUtf8Bom(s, n);
    const qsizetype start = utf8Bom ? 3 : 0;
    if (validUtf8Prefix(s + start, n - start) == n - start) {
        // The file's own bytes are the text; the BOM simply lies before the first line.
        auto spans = splitLines(fileBytes, start);
        return HistoryLines(std::move(fileBytes), std::move(spans));
    }
    QByteArray text = utf8Bom ? repairUtf8(s + start, n - start) : fromWindows1252(std::move(fileBytes));
    auto spans = splitLines(text, 0);
    return HistoryLines(std::move(text), std::move(spans));
}

LoadResult readHistoryFile(const QString &path, qint64 sizeLimit, QByteArray &bytes,
                           const BytesArrived &arrived)
{
    return readWholeFile(path, sizeLimit, bytes, arrived);
}

LoadResult ReadFileLines(const QString &path, HistoryLines &out, qint64 sizeLimit)
{
    QByteArray bytes;
    LoadResult result = readWholeFile(path, sizeLimit, bytes, {});
    if (result.ok)
        out = decodeHistoryBytes(std::move(bytes));
    return result;
}
