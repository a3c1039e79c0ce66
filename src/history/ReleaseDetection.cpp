#include "history/ReleaseDetection.h"

#include "history/LineClassifier.h"
#include "text/TextCodec.h"

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

ReleaseDetector::ReleaseDetector(const QStringList &VersionDetectList, TextEncoding encoding)
{
    m_needles.reserve(static_cast<std::size_t>(VersionDetectList.size()));
    for (const QString &entry : VersionDetectList)
        m_needles.emplace_back(entry, encoding);
}

bool ReleaseDetector::holds(std::size_t entry, const LineText &line) const
{
    return entry < m_needles.size() && !m_needles[entry].isEmpty() && m_needles[entry].contains(line);
}

qsizetype ReleaseDetector::headerPosition(const LineText &line) const
{
    for (const TextFinder &needle : m_needles) {
        if (needle.isEmpty())
            continue;
        const qsizetype pos = needle.indexIn(line);
        if (pos >= 0)
            return pos;
    }
    return -1;
}

Release ReleaseDetector::release(HistoryLines &lines, LineIndex line, qsizetype position,
                                 const LineClassifier &classifier) const
{
    const LineText lineText = lines.lineText(line);
    const QString text = lines.text(line);
    Release release{line, trimSpaces(QStringView(text).mid(position + 7))};
    qsizetype labelFrom = -1;
    if (holds(2, lineText))
        labelFrom = 15;
    else if (holds(4, lineText))
        labelFrom = 16;
    if (labelFrom >= 0) {
        const QString rewritten = FormatOldReleaseHeader(text);
        if (rewritten != text) {
            release.label = trimSpaces(QStringView(rewritten).mid(labelFrom));
            lines.replaceLine(line, encodeText(rewritten, lines.encoding()));
            lines.setFacts(line, classifier.factsOf(lines.lineText(line)));
        }
    }
    return release;
}
