#include "history/ShownText.h"

#include "history/LineRules.h"
#include "text/TextCodec.h"
#include "text/Utf8.h"

namespace {

// Bytes at the start of UTF-8 `bytes` that decode to at most `units` UTF-16 code units, never
// parting the two units of one character.
qsizetype utf8BytesFor(QByteArrayView bytes, qsizetype units)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n && units > 0) {
        const qsizetype run = std::min(asciiPrefixLength(s + i, n - i), units);
        i += run;
        units -= run;
        if (i == n || units == 0 || s[i] < 0x80)
            continue;
        const int length = Utf8::sequenceLength(s + i, n - i);
        const qsizetype width = length == 4 ? 2 : 1;
        if (width > units)
            break;
        i += length == 0 ? 1 : length;
        units -= width;
    }
    return i;
}

// Bytes of a line that decode to `characters` characters, shown up to ShownCharacters of them.
ShownText shownBytes(QByteArrayView bytes, TextEncoding encoding, qsizetype characters)
{
    if (characters <= ShownCharacters)
        return ShownText{decodeText(bytes, encoding), characters, false};
    const qsizetype shown =
        encoding == TextEncoding::Windows1252 ? ShownCharacters : utf8BytesFor(bytes, ShownCharacters);
    QString text = decodeText(bytes.first(shown), encoding);
    const qsizetype lineLength = text.size();
    text += cutMarker(characters);
    return ShownText{text, lineLength, true};
}

} // namespace

QString cutMarker(qsizetype characters)
{
    return QStringLiteral(" \u2026 [the line goes on; it has %1 characters]").arg(characters);
}

ShownText shownLine(const HistoryLines &lines, LineIndex line)
{
    return shownBytes(lines.bytes(line), lines.encoding(), lines.characterCount(line));
}

ShownText shownChange(const HistoryLines &lines, LineIndex line)
{
    const QByteArrayView bytes = lines.bytes(line);
    if (dateDigits(bytes) < 0)
        return shownLine(lines, line);
    // The date and the blanks around the change are ASCII, one character a byte.
    const QByteArrayView change = changeBytes(bytes, true);
    return shownBytes(change, lines.encoding(), lines.characterCount(line) - (bytes.size() - change.size()));
}

qsizetype changeStart(const HistoryLines &lines, LineIndex line)
{
    const QByteArrayView bytes = lines.bytes(line);
    if (dateDigits(bytes) < 0)
        return 0;
    // The date and the blanks after it are ASCII: as many characters as bytes.
    return changeBytes(bytes, true).data() - bytes.data();
}

QString shownText(const QString &text)
{
    if (text.size() <= ShownCharacters)
        return text;
    qsizetype shown = ShownCharacters;
    if (text[shown - 1].isHighSurrogate())
        --shown;
    return text.first(shown) + cutMarker(text.size());
}
