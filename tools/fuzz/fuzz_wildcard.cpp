// The wildcard matcher on an arbitrary pattern and line, compared with a plain table-filling
// matcher written from the pattern rules, and held to a fixed bound of processor time per
// character of line and pattern; the line in UTF-8, and in Windows-1252 when the code page has its
// characters. Input: one byte of pattern length, the pattern, the line.
#include "history/WildcardPattern.h"
#include "text/Windows1252.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

// Processor time allowed per character of the line per character of the pattern, and once.
constexpr double NanosecondsPerStep = 400.0;
constexpr double NanosecondsSlack = 5e6;

enum class Kind { Literal, Digit, Any, Star, Set };

struct Item
{
    explicit Item(Kind k, char32_t c = 0)
        : kind(k)
        , ch(c)
    {
    }
    Kind kind;
    char32_t ch;
    std::vector<std::pair<char32_t, char32_t>> ranges;
    bool negated = false;
};

std::vector<Item> parse(const QList<uint> &p)
{
    std::vector<Item> items;
    for (qsizetype i = 0; i < p.size(); ++i) {
        const char32_t c = p[i];
        if (c == '*') {
            items.emplace_back(Kind::Star);
        } else if (c == '#') {
            items.emplace_back(Kind::Digit);
        } else if (c == '?') {
            items.emplace_back(Kind::Any);
        } else if (c == '[' && p.indexOf(']', i + 1) >= 0) {
            const qsizetype close = p.indexOf(']', i + 1);
            Item set(Kind::Set);
            qsizetype k = i + 1;
            if (k < close && p[k] == '!') {
                set.negated = true;
                ++k;
            }
            for (; k < close; ++k) {
                if (k + 2 < close && p[k + 1] == '-') {
                    set.ranges.emplace_back(std::min<char32_t>(p[k], p[k + 2]),
                                            std::max<char32_t>(p[k], p[k + 2]));
                    k += 2;
                } else {
                    set.ranges.emplace_back(p[k], p[k]);
                }
            }
            items.push_back(set);
            i = close;
        } else {
            items.emplace_back(Kind::Literal, c);
        }
    }
    return items;
}

bool one(const Item &item, char32_t c)
{
    switch (item.kind) {
    case Kind::Literal:
        return QChar::toCaseFolded(c) == QChar::toCaseFolded(item.ch);
    case Kind::Digit:
        return c >= '0' && c <= '9';
    case Kind::Any:
        return true;
    case Kind::Set: {
        bool in = false;
        for (const char32_t v : {c, QChar::toCaseFolded(c), QChar::toLower(c), QChar::toUpper(c)}) {
            for (const auto &[lo, hi] : item.ranges)
                in = in || (v >= lo && v <= hi);
        }
        return in != item.negated;
    }
    case Kind::Star:
        break;
    }
    return false;
}

// reach[j]: the first i items match the first j characters.
bool reference(const std::vector<Item> &items, const QList<uint> &text)
{
    const qsizetype n = text.size();
    std::vector<char> reach(static_cast<std::size_t>(n) + 1, 0);
    reach[0] = 1;
    for (const Item &item : items) {
        std::vector<char> next(reach.size(), 0);
        for (qsizetype j = 0; j <= n; ++j) {
            if (item.kind == Kind::Star)
                next[j] = reach[j] || (j > 0 && next[j - 1]);
            else
                next[j] = j > 0 && reach[j - 1] && one(item, text[j - 1]);
        }
        reach.swap(next);
    }
    return reach[n] != 0;
}

double cpuNanoseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

// Processor time of one match. A one-time cost (a page fault, a table built on first use) is
// not the matcher's; a slow pattern is slow every time, so the quickest of three is the one judged.
double matchNanoseconds(const WildcardPattern &compiled, const QByteArray &line, bool &got)
{
    double quickest = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const double start = cpuNanoseconds();
        got = compiled.matches(line);
        const double spent = cpuNanoseconds() - start;
        quickest = attempt == 0 ? spent : std::min(quickest, spent);
        if (quickest <= NanosecondsSlack)
            break;
    }
    return quickest;
}

} // namespace

// The case-folding tables are built on their first use; build them before any match is timed.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const WildcardPattern warm(QStringLiteral("*[\u00DF-\u212A]k\u0130*"));
    (void)warm.matches(QStringLiteral("\u212A\u00DFk").toUtf8());
    (void)warm.matches(
        LineText{encodeWindows1252(QStringLiteral("\u00DFk")), TextEncoding::Windows1252, true});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t patternBytes = std::min<std::size_t>(data[0], size - 1);
    const QString pattern =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(patternBytes));
    const QString lineText = QString::fromUtf8(reinterpret_cast<const char *>(data + 1 + patternBytes),
                                               qsizetype(size - 1 - patternBytes));
    // Lines reach the matcher as well-formed UTF-8.
    const QByteArray line = lineText.toUtf8();

    const WildcardPattern compiled(pattern);
    bool got = false;
    const double spent = matchNanoseconds(compiled, line, got);

    const QList<uint> patternChars = pattern.toUcs4();
    const QList<uint> lineChars = lineText.toUcs4();
    const double bound = NanosecondsSlack +
                         NanosecondsPerStep * double(lineChars.size() + 1) * double(patternChars.size() + 1);
    if (spent > bound) {
        fprintf(stderr, "matching %lld characters against %lld took %.0f ns, more than %.0f\n",
                (long long)lineChars.size(), (long long)patternChars.size(), spent, bound);
        abort();
    }
    const bool expected = reference(parse(patternChars), lineChars);
    if (got != expected) {
        fprintf(stderr, "pattern \"%s\" line \"%s\": matcher says %d\n", qPrintable(pattern),
                qPrintable(lineText), int(got));
        abort();
    }
    // The same line in Windows-1252, one byte a character, where the code page has its characters.
    if (fitsWindows1252(lineText) &&
        compiled.matches(LineText{encodeWindows1252(lineText), TextEncoding::Windows1252, true}) !=
            expected) {
        fprintf(stderr, "pattern \"%s\" line \"%s\" in Windows-1252: matcher says %d\n", qPrintable(pattern),
                qPrintable(lineText), int(!expected));
        abort();
    }
    return 0;
}
