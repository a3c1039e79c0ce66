// Case-blind search in a line's own bytes gives the character position QString::indexOf gives on
// the decoded line, in UTF-8 and in Windows-1252.
#include "DataTable.h"
#include "text/BytePattern.h"
#include "text/CaseFolding.h"
#include "text/TextCodec.h"
#include "text/TextFinder.h"

namespace {

LineText lineIn(const QByteArray &bytes, TextEncoding encoding)
{
    bool plain = true;
    for (const char32_t c : QStringView(decodeText(bytes, encoding)).toUcs4())
        plain = plain && (encoding == TextEncoding::Windows1252 || !CaseFolding::isOddWidth(c));
    return LineText{bytes, encoding, plain};
}

} // namespace

class tst_TextFinder : public QObject
{
    Q_OBJECT
private slots:
    void findsAsTheDecodedLine_data()
    {
        // utf8Only: the line holds a character Windows-1252 lacks.
        const auto row = addColumns<QString, QString, bool, int>({"line", "text", "utf8Only", "expected"});
        row("accented capital", QStringLiteral("x FEN\u00caTRE"), QStringLiteral("fen\u00eatre"), false, 2);
        row("accent is no other letter", "fenetre", QStringLiteral("fen\u00eatre"), false, -1);
        row("position in characters", QStringLiteral("\u00e4\u00e4x"), "X", false, 2);
        row("pair of 0x8C and 0x9C", QStringLiteral("a \u0152uvre"), QStringLiteral("\u0153U"), false, 2);
        row("y with diaeresis is no o with stroke", QStringLiteral("\u00f8 \u0178"), QStringLiteral("\u00ff"),
            false, 2);
        row("Kelvin sign in the text finds k", "Kilo", QStringLiteral("\u212a"), false, 0);
        row("letter the code page lacks", QStringLiteral("Gr\u00f6\u00dfe"), QStringLiteral("\u03a9"), false,
            -1);
        row("Kelvin sign in the line", QStringLiteral("x \u212aelvin"), "KEL", true, 2);
        row("capital sharp s", QStringLiteral("STRA\u1e9eE"), QStringLiteral("stra\u00dfe"), true, 0);
        row("micro sign and Greek mu", QStringLiteral("5 \u00b5m"), QStringLiteral("\u039c"), false, 2);
        row("after a pair of surrogates", QStringLiteral("\U0001F600 k"), "K", true, 3);
        row("byte order mark inside the text", QStringLiteral("abc\ufeffdef"), QStringLiteral("c\ufeffd"),
            true, 2);
    }
    void findsAsTheDecodedLine()
    {
        auto [line, text, utf8Only, expected] =
            fetch<QString, QString, bool, int>({"line", "text", "utf8Only", "expected"});
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            if (utf8Only && encoding == TextEncoding::Windows1252)
                continue;
            const TextFinder finder(text, encoding);
            const QByteArray encoded = encodeText(line, encoding);
            const LineText bytes = lineIn(encoded, encoding);
            QCOMPARE(finder.indexIn(bytes), qsizetype(expected));
            QCOMPARE(finder.contains(bytes), expected >= 0);
        }
    }

    // The sixteen-at-a-time search at every place around a block's edges and the haystack's end.
    void bytePatternFindsAtEveryOffset()
    {
        const BytePattern pattern = BytePattern::asciiNoCase("aB");
        for (qsizetype at = 0; at <= 38; ++at) {
            QByteArray haystack(40, 'x');
            haystack[at] = 'A';
            haystack[at + 1] = 'b';
            haystack[std::max<qsizetype>(at - 1, 0)] = at > 0 ? 'a' : 'A';
            QCOMPARE(pattern.indexIn(haystack), at);
            QCOMPARE(pattern.indexIn(haystack, at + 1), qsizetype(-1));
            QCOMPARE(pattern.indexIn(haystack.first(at + 1)), qsizetype(-1));
        }
    }
};

QTEST_GUILESS_MAIN(tst_TextFinder)
#include "tst_TextFinder.moc"
