#include "history/ReleaseDetection.h"

#include "history/AsciiNoCaseFinder.h"
#include "history/LineClassifier.h"

#include <algorithm>

namespace {

QString trimSpaces(QStringView text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first).toString();
}

// "00" in front, then the last two characters: "3" -> "03", "1999" -> "99".
QString twoCharacters(QStringView part)
{
    QString padded = QStringLiteral("00");
    padded += part;
    return padded.right(2);
}

} // namespace

// Characters (UTF-16 units) in well-formed UTF-8 bytes.
qsizetype utf16Length(QByteArrayView utf8)
{
    qsizetype units = 0;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        units += (b & 0xC0) != 0x80;
        units += b >= 0xF0; // outside the BMP: a surrogate pair
    }
    return units;
}

// One detection text, ready for a case-insensitive search in a line. Lines are searched as bytes
// (nearly all of them are ASCII); only a line holding a letter outside ASCII that folds to an
// ASCII one, or a detection text outside ASCII, is searched as text with Unicode case folding.
class ReleaseNeedle
{
public:
    explicit ReleaseNeedle(const QString &text)
        : m_text(text)
        , m_ascii(AsciiNoCaseFinder::isAscii(text.toUtf8()))
        , m_finder(m_ascii ? text.toLatin1() : QByteArray())
    {
    }

    // 0-based character position of the first occurrence, or -1. An empty text occurs nowhere:
    // a stray "," in the settings must not turn every line into a release.
    qsizetype indexIn(QByteArrayView line, bool byteSearchable, const QString &lineText) const
    {
        if (m_text.isEmpty())
            return -1;
        if (m_ascii && byteSearchable) {
            const qsizetype at = m_finder.indexIn(line);
            return at < 0 ? -1 : utf16Length(line.first(at));
        }
        return lineText.indexOf(m_text, 0, Qt::CaseInsensitive);
    }

    bool asciiOnly() const { return m_ascii; }

private:
    QString m_text;
    bool m_ascii;
    AsciiNoCaseFinder m_finder;
};

QString FormatOldReleaseHeader(const QString &line)
{
    const qsizetype open = line.indexOf(u'(');
    const qsizetype close = open < 0 ? -1 : line.indexOf(u')', open + 1);
    if (close < 0)
        return line;
    const QList<QStringView> parts = QStringView(line).sliced(open + 1, close - open - 1).split(u'.');
    if (parts.size() < 3)
        return line;
    return twoCharacters(parts[0]) + u'.' + twoCharacters(parts[1]) + u'.' + twoCharacters(parts[2]) + u' ' +
           trimSpaces(QStringView(line).first(open));
}

ReleaseDetector::ReleaseDetector(const QStringList &VersionDetectList)
{
    m_needles.reserve(static_cast<std::size_t>(VersionDetectList.size()));
    for (const QString &entry : VersionDetectList)
        m_needles.emplace_back(entry);
    m_textNeedles = std::any_of(m_needles.begin(), m_needles.end(),
                                [](const ReleaseNeedle &n) { return !n.asciiOnly(); });
}

ReleaseDetector::~ReleaseDetector() = default;

qsizetype ReleaseDetector::headerPosition(QByteArrayView utf8Line, bool lineIsAscii) const
{
    const bool byteSearchable = lineIsAscii || !AsciiNoCaseFinder::mayFoldToAscii(utf8Line);
    const QString text = byteSearchable && !m_textNeedles ? QString() : QString::fromUtf8(utf8Line);
    for (const ReleaseNeedle &needle : m_needles) {
        const qsizetype pos = needle.indexIn(utf8Line, byteSearchable, text);
        if (pos >= 0)
            return pos;
    }
    return -1;
}

Release ReleaseDetector::release(HistoryLines &lines, LineIndex line, qsizetype position,
                                 const LineClassifier &classifier) const
{
    const QByteArrayView bytes = lines.bytes(line);
    const bool ascii = AsciiNoCaseFinder::isAscii(bytes);
    const QString text = ascii ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
    Release release{line, trimSpaces(QStringView(text).mid(position + 7))};
    const ReleaseNeedle *const newInVersion = m_needles.size() > 2 ? &m_needles[2] : nullptr;
    const ReleaseNeedle *const releaseVersion = m_needles.size() > 4 ? &m_needles[4] : nullptr;
    qsizetype labelFrom = -1;
    if (newInVersion && newInVersion->indexIn(bytes, ascii, text) >= 0)
        labelFrom = 15;
    else if (releaseVersion && releaseVersion->indexIn(bytes, ascii, text) >= 0)
        labelFrom = 16;
    if (labelFrom >= 0) {
        const QString rewritten = FormatOldReleaseHeader(text);
        if (rewritten != text) {
            release.label = trimSpaces(QStringView(rewritten).mid(labelFrom));
            QByteArray utf8 = rewritten.toUtf8();
            const HistoryLines::Facts facts = classifier.factsOf(utf8);
            lines.replaceLine(line, std::move(utf8));
            lines.setFacts(line, facts);
        }
    }
    return release;
}

std::vector<Release> detectReleases(HistoryLines &lines, const QStringList &VersionDetectList,
                                    const LineClassifier &classifier)
{
    const ReleaseDetector detector(VersionDetectList);
    std::vector<Release> releases;
    for (LineIndex i(0); i <= lines.lastLineIndex(); ++i) {
        if (lines.matchesAddition(i) || lines.matchesFix(i) || lines.isEmpty(i))
            continue;
        const QByteArrayView bytes = lines.bytes(i);
        const qsizetype pos = detector.headerPosition(bytes, AsciiNoCaseFinder::isAscii(bytes));
        if (pos >= 0)
            releases.push_back(detector.release(lines, i, pos, classifier));
    }
    return releases;
}
