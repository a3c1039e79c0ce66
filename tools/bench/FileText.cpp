#include "FileText.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

FileText inspectFile(const QString &path)
{
    FileText text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return text;
    QStringDecoder utf8(QStringDecoder::Utf8);
    bool ascii = true;
    QByteArray start;
    while (!file.atEnd()) {
        const QByteArray block = file.read(1 << 20);
        if (block.isEmpty())
            return text;
        if (start.isEmpty())
            start = block.left(3);
        if (ascii)
            ascii = std::all_of(block.begin(), block.end(), [](char c) { return (c & 0x80) == 0; });
        if (!ascii && !utf8.hasError()) {
            // The decoder works only when its result is taken.
            const QString decoded = utf8.decode(block);
        }
    }
    text.readable = true;
    text.ascii = ascii;
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF"))
        text.encoding = QStringLiteral("UTF-16");
    else if (ascii)
        text.encoding = QStringLiteral("ASCII");
    else if (start.startsWith("\xEF\xBB\xBF") || !utf8.hasError())
        text.encoding = QStringLiteral("UTF-8");
    else
        text.encoding = QStringLiteral("Windows-1252");
    return text;
}

QString withoutAccents(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    }
    return plain;
}
