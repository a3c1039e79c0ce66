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

// One detection text, ready for a case-insensitive search in a line. ASCII lines (nearly all of
// them) are searched as bytes; the rest as text with Unicode case folding.
class Needle
{
public:
    explicit Needle(const QString &text)
        : m_text(text)
        , m_ascii(AsciiNoCaseFinder::isAscii(text.toUtf8()))
        , m_finder(m_ascii ? text.toLatin1() : QByteArray())
    {
    }

    // 0-based character position of the first occurrence, or -1. An empty text occurs nowhere:
    // a stray "," in the settings must not turn every line into a release.
    qsizetype indexIn(QByteArrayView line, bool lineIsAscii, const QString &lineText) const
    {
        if (m_text.isEmpty())
            return -1;
        if (m_ascii && lineIsAscii)
            return m_finder.indexIn(line);
        return lineText.indexOf(m_text, 0, Qt::CaseInsensitive);
    }

    bool asciiOnly() const { return m_ascii; }

private:
    QString m_text;
    bool m_ascii;
    AsciiNoCaseFinder m_finder;
};

} // namespace

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

std::vector<Release> detectReleases(HistoryLines &lines, const QStringList &VersionDetectList,
                                    const LineClassifier &classifier)
{
    std::vector<Needle> needles;
    needles.reserve(static_cast<std::size_t>(VersionDetectList.size()));
    for (const QString &entry : VersionDetectList)
        needles.emplace_back(entry);
    const Needle *const newInVersion = needles.size() > 2 ? &needles[2] : nullptr;
    const Needle *const releaseVersion = needles.size() > 4 ? &needles[4] : nullptr;
    const bool textNeedles =
        std::any_of(needles.begin(), needles.end(), [](const Needle &n) { return !n.asciiOnly(); });

    std::vector<Release> releases;
    for (LineIndex i = 0; i < lines.size(); ++i) {
        if (lines.matchesAddition(i) || lines.matchesFix(i) || lines.isEmpty(i))
            continue;
        const QByteArrayView bytes = lines.bytes(i);
        const bool ascii = AsciiNoCaseFinder::isAscii(bytes);
        // Lines outside ASCII are few; only they (or every line, for a detection text outside
        // ASCII) are decoded for the search.
        const QString text = ascii && !textNeedles ? QString() : QString::fromUtf8(bytes);
        qsizetype pos = -1;
        for (const Needle &needle : needles) {
            pos = needle.indexIn(bytes, ascii, text);
            if (pos >= 0)
                break;
        }
        if (pos < 0)
            continue;

        const QString line = ascii ? QString::fromLatin1(bytes) : text;
        Release release{i, trimSpaces(QStringView(line).mid(pos + 7))};
        qsizetype labelFrom = -1;
        if (newInVersion && newInVersion->indexIn(bytes, ascii, text) >= 0)
            labelFrom = 15;
        else if (releaseVersion && releaseVersion->indexIn(bytes, ascii, text) >= 0)
            labelFrom = 16;
        if (labelFrom >= 0) {
            const QString rewritten = FormatOldReleaseHeader(line);
            if (rewritten != line) {
                release.label = trimSpaces(QStringView(rewritten).mid(labelFrom));
                QByteArray utf8 = rewritten.toUtf8();
                const HistoryLines::Facts facts = classifier.factsOf(utf8);
                lines.replaceLine(i, std::move(utf8));
                lines.setFacts(i, facts);
            }
        }
        releases.push_back(std::move(release));
    }
    return releases;
}
