#pragma once

#include "history/ReportOutput.h"

#include <QBuffer>

// What a command-line report writes, as one text: reportText(releasesReport, document).
template <typename Report, typename... Args> QByteArray reportText(Report report, const Args &...args)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        ReportOutput out(buffer);
        report(args..., out);
    }
    return buffer.data();
}
