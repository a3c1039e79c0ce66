#include "history/WildcardPattern.h"

#include "history/HistoryReader.h"

#include <QFile>
#include <QTest>

class TestWildcardPattern : public QObject
{
    Q_OBJECT
private slots:
    void matchesWholeLine_data();
    void matchesWholeLine();
    void commonShapeAgreesWithGeneralMatcher();
    void manyStarsFinishOnLongLine();
};

void TestWildcardPattern::matchesWholeLine_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("expected");
    QTest::newRow("empty pattern, empty line") << ""
                                               << "" << true;
    QTest::newRow("literal is whole line") << "abc"
                                           << "abc" << true;
    QTest::newRow("literal needs whole line") << "abc"
                                              << "abcd" << false;
    QTest::newRow("# digit") << "a#"
                             << "a7" << true;
    QTest::newRow("# not a letter") << "a#"
                                    << "ax" << false;
    QTest::newRow("# not a non-ASCII digit") << "#" << QStringLiteral("\u0663") << false;
    QTest::newRow("? one character") << "a?c"
                                     << "abc" << true;
    QTest::newRow("? not zero characters") << "a?c"
                                           << "ac" << false;
    QTest::newRow("? is a whole code point") << "a?c" << QStringLiteral("a\u20acc") << true;
    QTest::newRow("? is a whole astral character") << "?" << QStringLiteral("\U0001F600") << true;
    QTest::newRow("* empty run") << "a*b"
                                 << "ab" << true;
    QTest::newRow("* backtracks to later match") << "*ab"
                                                 << "aab" << true;
    QTest::newRow("* then text must end line") << "*ab"
                                               << "abx" << false;
    QTest::newRow("list") << "[abc]"
                          << "b" << true;
    QTest::newRow("range") << "[a-f]x"
                           << "dx" << true;
    QTest::newRow("range ignores case") << "[a-f]"
                                        << "D" << true;
    QTest::newRow("! negation") << "[!a-f]"
                                << "g" << true;
    QTest::newRow("! negation ignores case") << "[!a-f]"
                                             << "C" << false;
    QTest::newRow("list holds wildcards as text") << "[*#?]"
                                                  << "#" << true;
    QTest::newRow("trailing hyphen in list") << "[a-]"
                                             << "-" << true;
    QTest::newRow("unclosed [ stands for itself") << "[a"
                                                  << "[a" << true;
    QTest::newRow("ASCII letters ignore case") << "ADDED:"
                                               << "added:" << true;
    QTest::newRow("non-ASCII letters ignore case")
        << QStringLiteral("\u00c4nderung") << QStringLiteral("\u00e4NDERUNG") << true;
    QTest::newRow("addition pattern") << "##.##.##*Added:*"
                                      << "10.03.99 added: new option" << true;
    QTest::newRow("addition pattern needs date first") << "##.##.##*Added:*"
                                                       << "Added: 10.03.99" << false;
    QTest::newRow("addition pattern, one-digit month") << "##.##.##*Added:*"
                                                       << "10.3.99 Added: x" << false;
    QTest::newRow("addition pattern, upper case") << "##.##.##*Fixed:*"
                                                  << "10.03.99 FIXED: z" << true;
    QTest::newRow("addition pattern, Kelvin sign folds to k")
        << "##.##.##*k*" << QStringLiteral("10.03.99 \u212a") << true;
    QTest::newRow("dated pattern, exact date only") << "##.##.##*"
                                                    << "10.03.99" << true;
    QTest::newRow("word after near misses in both cases") << "*Commander*"
                                                          << "cOMMAND Mm comMANDER" << true;
    QTest::newRow("word cut off at the line end") << "*Commander*"
                                                  << "command Command" << false;
    QTest::newRow("two words in order") << "*fix*crash*"
                                        << "Fixed: crash" << true;
    QTest::newRow("two words out of order") << "*crash*fix*"
                                            << "Fixed: crash" << false;
}

void TestWildcardPattern::matchesWholeLine()
{
    QFETCH(QString, pattern);
    QFETCH(QString, line);
    QFETCH(bool, expected);
    QCOMPARE(WildcardPattern(pattern).matches(line.toUtf8()), expected);
}

void TestWildcardPattern::commonShapeAgreesWithGeneralMatcher()
{
    // "[a]" is one-letter list, so the second pattern of each pair takes the general road.
    const std::pair<QString, QString> pairs[] = {
        {"##.##.##*Added:*", "##.##.##*[a]dded:*"},
        {"##.##.##*Fixed:*", "##.##.##*[f]ixed:*"},
        {"*the*toolbar*", "*the*[t]oolbar*"},
        {"??.*ed*", "??.*[e]d*"},
    };
    QFile file(QStringLiteral(VELOMIR_SOURCE_DIR "/examples/History.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const HistoryLines lines = decodeHistoryBytes(file.readAll());
    for (const auto &[fastShape, general] : pairs) {
        const WildcardPattern fast(fastShape), slow(general);
        for (LineIndex i = 0; i < lines.size(); ++i)
            QCOMPARE(fast.matches(lines.bytes(i)), slow.matches(lines.bytes(i)));
    }
}

void TestWildcardPattern::manyStarsFinishOnLongLine()
{
    // Trying every split among the stars would take longer than the age of the universe.
    const QByteArray line(200000, 'a');
    QCOMPARE(WildcardPattern(QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b")).matches(line), false);
    QCOMPARE(WildcardPattern(QStringLiteral("*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b*")).matches(line), false);
}

QTEST_GUILESS_MAIN(TestWildcardPattern)
#include "tst_wildcardpattern.moc"
