#include "search/LineMatcher.h"

#include <QList>

LineMatcher::LineMatcher(const QString &needle)
    : m_needle(needle)
    , m_unicode(needle, Qt::CaseInsensitive)
    , m_decoder(QStringDecoder::Utf8)
{
    const QByteArray utf8 = needle.toUtf8();
    if (!utf8.isEmpty() && AsciiNoCaseFinder::isAscii(utf8))
        m_ascii.emplace(utf8);
    for (const char32_t c : needle.toUcs4()) {
        if (QChar::toCaseFolded(c) >= 0x80)
            m_needsNonAscii = true;
    }
}

bool LineMatcher::matches(QByteArrayView utf8Line) const
{
    if (m_needle.isEmpty())
        return true;
    if (m_ascii)
        return m_ascii->contains(utf8Line);
    if (m_needsNonAscii && AsciiNoCaseFinder::isAscii(utf8Line))
        return false;
    const qsizetype room = m_decoder.requiredSpace(utf8Line.size());
    if (m_decoded.size() < room)
        m_decoded.resize(room);
    m_decoder.resetState();
    const QChar *end = m_decoder.appendToBuffer(m_decoded.data(), utf8Line);
    const QStringView line(m_decoded.constData(), end - m_decoded.constData());
    return m_unicode.indexIn(line) >= 0;
}
