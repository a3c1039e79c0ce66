#pragma once

#include "text/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// Where a command-line report writes its UTF-8 text: gathered in a small buffer and handed to the
// device whenever the buffer fills, so that a report holds little of itself in memory whatever
// the size of the history. After a failed write nothing more is written.
class ReportOutput
{
public:
    explicit ReportOutput(QIODevice &device);
    ~ReportOutput();
    ReportOutput(const ReportOutput &) = delete;
    ReportOutput &operator=(const ReportOutput &) = delete;

    ReportOutput &operator<<(QByteArrayView bytes);
    ReportOutput &operator<<(char c);
    ReportOutput &operator<<(const QString &text) { return *this << QByteArrayView(text.toUtf8()); }
    ReportOutput &operator<<(qint64 n) { return *this << QByteArrayView(QByteArray::number(n)); }
    // A line as the history holds it (bytes in the history's encoding), as UTF-8. A line of
    // hundreds of megabytes is converted piece by piece, never whole.
    void writeLine(QByteArrayView bytes, TextEncoding encoding);

    // Hands what is gathered to the device; false when any write failed.
    bool flush();

private:
    static constexpr qsizetype BufferBytes = qsizetype(64) * 1024;
    QIODevice &m_device;
    QByteArray m_buffer; // grows with what is written up to BufferBytes: most reports are short
    bool m_failed = false;
};
