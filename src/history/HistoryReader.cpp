#include "history/HistoryReader.h"

#include "history/Utf8.h"
#include "settings/Windows1252.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace {

using Span = HistoryLines::Span;

inline bool allAscii8(const unsigned char *s)
{
    quint64 word;
    std::memcpy(&word, s, 8);
    return (word & 0x8080808080808080ULL) == 0;
}

// Length of the well-formed UTF-8 prefix of `s`; equals `n` when all of it is well formed.
qsizetype validUtf8Prefix(const unsigned char *s, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        // History text is mostly ASCII: skip it eight bytes at a time.
        while (i + 8 <= n && allAscii8(s + i))
            i += 8;
        if (i >= n)
            break;
        const int len = Utf8::sequenceLength(s + i, n - i);
        if (len == 0)
            return i;
        i += len;
    }
    return n;
}

// Text after a UTF-8 BOM that is not well formed keeps its good parts; each bad byte becomes
// U+FFFD, so that everything downstream may rely on well-formed UTF-8.
QByteArray repairUtf8(const unsigned char *s, qsizetype n)
{
    QByteArray out;
    out.reserve(n + n / 8 + 16);
    qsizetype i = 0;
    while (i < n) {
        const int len = Utf8::sequenceLength(s + i, n - i);
        if (len == 0) {
            out.append("\xEF\xBF\xBD", 3);
            ++i;
        } else {
            out.append(reinterpret_cast<const char *>(s + i), len);
            i += len;
        }
    }
    return out;
}

struct Utf8Unit
{
    std::uint8_t length = 0;
    std::array<char, 3> bytes{};
};

constexpr std::array<Utf8Unit, 256> makeCp1252Table()
{
    std::array<Utf8Unit, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        const char32_t cp = (b >= 0x80 && b < 0xA0) ? Windows1252High[b - 0x80] : b;
        Utf8Unit &u = table[b];
        if (cp < 0x80) {
            u = {1, {char(cp), 0, 0}};
        } else if (cp < 0x800) {
            u = {2, {char(0xC0 | (cp >> 6)), char(0x80 | (cp & 0x3F)), 0}};
        } else {
            u = {3, {char(0xE0 | (cp >> 12)), char(0x80 | ((cp >> 6) & 0x3F)), char(0x80 | (cp & 0x3F))}};
        }
    }
    return table;
}

constexpr std::array<Utf8Unit, 256> Cp1252ToUtf8 = makeCp1252Table();

// Converts the file's bytes where they lie: the array grows once (in place, for a block of this
// size) and the text is rewritten from its end, so that a large file never exists twice.
QByteArray fromWindows1252(QByteArray bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    // Letters outside ASCII are rare: size the text in ASCII runs of eight bytes.
    qsizetype extra = 0;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        if (!allAscii8(s + i)) {
            for (int k = 0; k < 8; ++k)
                extra += Cp1252ToUtf8[s[i + k]].length - 1;
        }
    }
    for (; i < n; ++i)
        extra += Cp1252ToUtf8[s[i]].length - 1;
    if (extra == 0)
        return bytes;

    bytes.resize(n + extra);
    char *const base = bytes.data();
    // Writing from the back never overtakes the reading: the gap between them is what the bytes
    // not yet read will grow by. Once it is closed, the rest is already in place.
    qsizetype read = n;
    qsizetype write = n + extra;
    while (write > read) {
        if (read >= 8 && allAscii8(reinterpret_cast<const unsigned char *>(base + read - 8))) {
            read -= 8;
            write -= 8;
            std::memmove(base + write, base + read, 8);
            continue;
        }
        const Utf8Unit &u = Cp1252ToUtf8[static_cast<unsigned char>(base[--read])];
        write -= u.length;
        std::memcpy(base + write, u.bytes.data(), u.length);
    }
    return bytes;
}

QByteArray fromUtf16(const unsigned char *s, qsizetype n, bool bigEndian)
{
    const qsizetype units = n / 2;
    QByteArray out(units * 3 + 3, Qt::Uninitialized);
    char *o = out.data();
    auto unit = [&](qsizetype k) -> char16_t {
        const unsigned a = s[2 * k], b = s[2 * k + 1];
        return char16_t(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (qsizetype k = 0; k < units; ++k) {
        char32_t cp = unit(k);
        if (cp >= 0xD800 && cp <= 0xDBFF && k + 1 < units && unit(k + 1) >= 0xDC00 && unit(k + 1) <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(k + 1) - 0xDC00);
            ++k;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD; // an unpaired surrogate
        }
        o = Utf8::encode(cp, o);
    }
    if (n % 2 != 0)
        o = Utf8::encode(0xFFFD, o); // a cut-off last unit
    out.truncate(o - out.constData());
    return out;
}

enum class Utf16Guess { No, LittleEndian, BigEndian };

// A UTF-16 file saved without a BOM: in Latin text three of four code units or more hold a NUL
// byte, always on the same side. Text in the 8-bit code pages and in UTF-8 holds no NUL at all.
Utf16Guess guessUtf16(const unsigned char *s, qsizetype n)
{
    if (n < 8 || n % 2 != 0)
        return Utf16Guess::No;
    const qsizetype sample = std::min<qsizetype>(n, 4096);
    qsizetype evenNul = 0, oddNul = 0;
    for (qsizetype i = 0; i + 1 < sample; i += 2) {
        evenNul += s[i] == 0;
        oddNul += s[i + 1] == 0;
    }
    const qsizetype units = sample / 2;
    if (oddNul * 4 >= units * 3 && evenNul * 16 <= oddNul)
        return Utf16Guess::LittleEndian;
    if (evenNul * 4 >= units * 3 && oddNul * 16 <= evenNul)
        return Utf16Guess::BigEndian;
    return Utf16Guess::No;
}

const char *findByte(const char *from, const char *end, char c)
{
    const void *hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return hit ? static_cast<const char *>(hit) : end;
}

std::vector<Span> splitLines(const QByteArray &text, qsizetype begin)
{
    const char *const base = text.constData();
    const char *const end = base + text.size();
    std::vector<Span> spans;
    spans.reserve(static_cast<std::size_t>((text.size() - begin) / 64 + 16));

    // The next CR and the next LF are each looked up only once the scan has passed them, so a
    // file with one kind of line end costs one memchr pass for each kind.
    const char *p = base + begin;
    const char *nextCr = findByte(p, end, '\r');
    const char *nextLf = findByte(p, end, '\n');
    for (;;) {
        const char *eol = std::min(nextCr, nextLf);
        const char *first = p;
        const char *last = eol;
        while (first < last && *first == ' ')
            ++first;
        while (last > first && last[-1] == ' ')
            --last;
        spans.push_back(Span{first - base, last - first});
        if (eol == end)
            break;
        p = eol + 1;
        if (*eol == '\r' && p < end && *p == '\n')
            ++p;
        if (p == end)
            break; // a terminator at the very end opens no further line
        if (nextCr < p)
            nextCr = findByte(p, end, '\r');
        if (nextLf < p)
            nextLf = findByte(p, end, '\n');
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

// Reads the whole regular file, never blocking on a pipe or device.
LoadResult readWholeFile(const QString &path, qint64 sizeLimit, QByteArray &bytes)
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
    while (done < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + done, static_cast<std::size_t>(buffer.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return fail(QStringLiteral("The file could not be read: %1").arg(openErrorText(errno)));
        if (got == 0)
            break; // the file shrank since it was measured
        done += got;
    }
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
    return {true, {}};
#endif
}

} // namespace

HistoryLines decodeHistoryBytes(QByteArray fileBytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(fileBytes.constData());
    const qsizetype n = fileBytes.size();
    if (n >= 2 && ((s[0] == 0xFF && s[1] == 0xFE) || (s[0] == 0xFE && s[1] == 0xFF))) {
        QByteArray text = fromUtf16(s + 2, n - 2, s[0] == 0xFE);
        auto spans = splitLines(text, 0);
        return HistoryLines(std::move(text), std::move(spans));
    }
    if (const Utf16Guess guess = guessUtf16(s, n); guess != Utf16Guess::No) {
        QByteArray text = fromUtf16(s, n, guess == Utf16Guess::BigEndian);
        auto spans = splitLines(text, 0);
        return HistoryLines(std::move(text), std::move(spans));
    }
    const bool utf8Bom = n >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF;
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

LoadResult ReadFileLines(const QString &path, HistoryLines &out, qint64 sizeLimit)
{
    QByteArray bytes;
    LoadResult result = readWholeFile(path, sizeLimit, bytes);
    if (result.ok)
        out = decodeHistoryBytes(std::move(bytes));
    return result;
}
