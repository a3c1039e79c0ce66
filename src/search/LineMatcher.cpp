#include "search/LineMatcher.h"

LineMatcher::LineMatcher(const QString &needle)
    : m_needle(needle)
    , m_unicode(needle, Qt::CaseInsensitive)
    , m_decoder(QStringDecoder::Utf8)
{
    const QByteArray utf8 = needle.toUtf8();
    if (!utf8.isEmpty() && AsciiCaseMatcher::isAscii(utf8))
        m_ascii.emplace(utf8);
}

bool LineMatcher::matches(QByteArrayView utf8Line) const
{
    if (m_needle.isEmpty())
        return true;
    if (m_ascii)
        return m_ascii->contains(utf8Line);
    const qsizetype room = m_decoder.requiredSpace(utf8Line.size());
    if (m_decoded.size() < room)
        m_decoded.resize(room);
    m_decoder.resetState();
    const QChar *end = m_decoder.appendToBuffer(m_decoded.data(), utf8Line);
    const QStringView line(m_decoded.constData(), end - m_decoded.constData());
    return m_unicode.indexIn(line) >= 0;
}
