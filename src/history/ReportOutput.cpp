#include "history/ReportOutput.h"

#include "text/TextCodec.h"

#include <QIODevice>

ReportOutput::ReportOutput(QIODevice &device)
    : m_device(device)
{
}

ReportOutput::~ReportOutput()
{
    flush();
}

ReportOutput &ReportOutput::operator<<(QByteArrayView bytes)
{
    if (m_buffer.size() + bytes.size() > BufferBytes) {
        flush();
        // A piece larger than the buffer goes straight through.
        if (bytes.size() >= BufferBytes) {
            m_failed = m_failed || m_device.write(bytes.data(), bytes.size()) != bytes.size();
            return *this;
        }
    }
    m_buffer.append(bytes);
    return *this;
}

ReportOutput &ReportOutput::operator<<(char c)
{
    if (m_buffer.size() >= BufferBytes)
        flush();
    m_buffer.append(c);
    return *this;
}

void ReportOutput::writeLine(QByteArrayView bytes, TextEncoding encoding)
{
    // The UTF-8 a history holds is well formed: it is what the report writes.
    if (encoding == TextEncoding::Utf8) {
        *this << bytes;
        return;
    }
    // Every byte of Windows-1252 is one character, so any piece decodes alone.
    for (qsizetype at = 0; at < bytes.size(); at += BufferBytes)
        *this << decodeText(bytes.sliced(at, std::min(BufferBytes, bytes.size() - at)), encoding);
}

bool ReportOutput::flush()
{
    if (!m_failed && !m_buffer.isEmpty())
        m_failed = m_device.write(m_buffer) != m_buffer.size();
    m_buffer.clear();
    return !m_failed;
}
