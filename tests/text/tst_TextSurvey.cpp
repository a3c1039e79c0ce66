// Line ends and the survey of a text's bytes: wherever a buffer is cut into chunks or into the two
// stretches surveyed side by side, the count of lines, the UTF-8 verdict and the letters of odd
// width are those of the whole. Then which encoding the bytes are taken to be in, and the text they
// hold as it is kept.
#include "DataTable.h"
#include "text/EncodingDetection.h"
#include "text/LineEnds.h"
#include "text/TextCodec.h"
#include "text/TextSurvey.h"

#include <algorithm>

using Positions = std::vector<qsizetype>;

namespace {

// The lines as a walk with findLineEnd cuts them.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    for (;;) {
        const LineEnd eol = findLineEnd(p, end);
        const bool ascii =
            std::all_of(p, eol.at, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (eol.ascii != ascii)
            lines << "(told ASCII wrongly)";
        const Trimmed line = trimBlanks(p, eol.at);
        if (eol.at == end) {
            if (p < end || lines.isEmpty())
                lines << QByteArray(line.first, line.last - line.first);
            return lines;
        }
        lines << QByteArray(line.first, line.last - line.first);
        p = eol.at + 1 + (*eol.at == '\r' && eol.at + 1 < end && eol.at[1] == '\n' ? 1 : 0);
    }
}

} // namespace

class tst_TextSurvey : public QObject
{
    Q_OBJECT
private slots:
    void surveys_data()
    {
        const auto row = addColumns<QByteArray, QList<QByteArray>, bool, Positions>(
            {"bytes", "lines", "utf8", "oddLetters"});
        row("empty", "", {""}, true, {});
        row("lone CR", "a\rb", {"a", "b"}, true, {});
        row("lone LF", "a\n\xc3\xa9", {"a", "\xc3\xa9"}, true, {});
        row("LF CR is two ends", "a\n\rb", {"a", "", "b"}, true, {});
        row("mixed, final end opens no line", "a \r\n\r\n b\rc\n", {"a", "", "b", "c"}, true, {});
        row("Kelvin sign and long s", "x\xe2\x84\xaa\n\xc5\xbf", {"x\xe2\x84\xaa", "\xc5\xbf"}, true, {1, 5});
        row("bad continuation", "\xc3(\r\n", {"\xc3("}, false, {});
        row("cut off at the end", "ok\xc3", {"ok\xc3"}, false, {});
    }
    void surveys()
    {
        auto [bytes, lines, utf8, oddLetters] =
            fetch<QByteArray, QList<QByteArray>, bool, Positions>({"bytes", "lines", "utf8", "oddLetters"});
        // Shifted by up to seventeen bytes, each byte meets every place of a block of sixteen.
        for (qsizetype shift = 0; shift <= 17; ++shift) {
            const QByteArray padding(shift, 'x');
            const QByteArray text = padding + bytes;
            QList<QByteArray> shifted = lines;
            shifted.front().prepend(padding);
            Positions odd = oddLetters;
            for (qsizetype &at : odd)
                at += shift;
            QCOMPARE(linesOf(text), shifted);
            for (qsizetype cut = 0; cut <= text.size(); ++cut) {
                TextSurvey::Stretch first(0);
                TextSurvey::Stretch second(cut);
                // The first stretch arrives in two chunks, the second in one.
                first.survey(text.constData(), cut / 2);
                first.survey(text.constData(), cut);
                second.survey(text.constData(), text.size());
                const TextSurvey survey = TextSurvey::join(text, first, second);
                QCOMPARE(survey.lineCount(text, 0), qsizetype(lines.size()));
                QCOMPARE(survey.isUtf8(), utf8);
                QCOMPARE(survey.oddLetters(), utf8 ? odd : Positions());
            }
        }
    }

    void detects_data()
    {
        const auto row =
            addColumns<QByteArray, TextEncoding, int, QString>({"bytes", "encoding", "begin", "text"});
        const QString e = QStringLiteral("\u00e9"), euro = QStringLiteral("\u20ac");
        row("UTF-8 without BOM", "\xc3\xa9\xe2\x82\xac", TextEncoding::Utf8, 0, e + euro);
        row("UTF-8 BOM left in place", "\xef\xbb\xbf\xc3\xa9", TextEncoding::Utf8, 3, e);
        row("UTF-8 BOM then a bad byte", "\xef\xbb\xbf\xe9x", TextEncoding::Utf8, 0,
            QStringLiteral("\ufffdx"));
        row("bad byte: Windows-1252", "caf\xe9 \x80", TextEncoding::Windows1252, 0, "caf" + e + " " + euro);
        row("overlong form", "\xc0\xaf", TextEncoding::Windows1252, 0, QStringLiteral("\u00c0\u00af"));
        row("encoded surrogate", "\xed\xa0\x80", TextEncoding::Windows1252, 0,
            QStringLiteral("\u00ed\u00a0\u20ac"));
        row("past U+10FFFF", "\xf4\x90\x80\x80", TextEncoding::Windows1252, 0,
            QStringLiteral("\u00f4\u0090\u20ac\u20ac"));
        row("UTF-16 LE BOM",
            QByteArray("\xff\xfe"
                       "a\0\xac\x20",
                       6),
            TextEncoding::Utf8, 0, "a" + euro);
        row("UTF-16 BE BOM", QByteArray("\xfe\xff\0a\x20\xac", 6), TextEncoding::Utf8, 0, "a" + euro);
        row("UTF-16 pair and unpaired surrogate", QByteArray("\xff\xfe\x3d\xd8\x00\xde\x00\xdex", 9),
            TextEncoding::Utf8, 0, QStringLiteral("\U0001F600\ufffd\ufffd"));
        const QByteArray latin("a\0\r\0\n\0\xe9\0", 8);
        row("UTF-16 LE without BOM", latin, TextEncoding::Utf8, 0, "a\r\n" + e);
        row("UTF-16 BE without BOM", '\0' + latin.chopped(1), TextEncoding::Utf8, 0, "a\r\n" + e);
        row("odd length is no UTF-16", latin + 'b', TextEncoding::Windows1252, 0,
            QString::fromLatin1(latin + 'b'));
        row("a few NULs are no UTF-16", QByteArray("a\0bcdefg", 8), TextEncoding::Utf8, 0,
            QString::fromLatin1("a\0bcdefg", 8));
    }
    void detects()
    {
        auto [bytes, begin] = fetch<QByteArray, int>({"bytes", "begin"});
        const DetectedText detected = detectEncoding(bytes, TextSurvey::of(bytes).isUtf8());
        QTEST(detected.encoding, "encoding");
        QCOMPARE(detected.begin, qsizetype(begin));
        QTEST(decodeText(QByteArrayView(detected.text).sliced(begin), detected.encoding), "text");
    }
};

QTEST_GUILESS_MAIN(tst_TextSurvey)
#include "tst_TextSurvey.moc"
