#include "history/HistoryReader.h"
#include "history/LineClassifier.h"
#include "history/ReleaseDetection.h"

#include <QTest>

namespace {

struct Detected
{
    QStringList releases; // "key label"
    QStringList lines;
};

Detected detect(const QByteArray &file, const DetectionSettings &settings = DetectionSettings::defaults())
{
    HistoryLines lines = decodeHistoryBytes(file);
    const LineClassifier classifier(settings.ChangeDetectList);
    classifier.classifyAll(lines);
    Detected out;
    for (const Release &r : detectReleases(lines, settings.VersionDetectList, classifier))
        out.releases << r.key() + u' ' + r.label;
    for (LineIndex i = 0; i < lines.size(); ++i)
        out.lines << lines.text(i);
    return out;
}

} // namespace

class TestReleaseDetection : public QObject
{
    Q_OBJECT
private slots:
    void formatsOldHeader_data();
    void formatsOldHeader();
    void findsReleases_data();
    void findsReleases();
    void usesConfiguredTexts_data();
    void usesConfiguredTexts();
    void rewrittenHeaderIsDated();
    void classifiesLines_data();
    void classifiesLines();
};

void TestReleaseDetection::formatsOldHeader_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("new in version") << "New in version 4.0 (10.3.99)"
                                    << "10.03.99 New in version 4.0";
    QTest::newRow("four-digit year") << "New in version 4.0 (10.3.1999)"
                                     << "10.03.99 New in version 4.0";
    QTest::newRow("text after bracket dropped") << "New in Version 4.50 (30.6.00):"
                                                << "30.06.00 New in Version 4.50";
    QTest::newRow("parts kept in their order") << "X (1999.3.10)"
                                               << "99.03.10 X";
    QTest::newRow("fourth part ignored") << "X (1.2.3.4)"
                                         << "01.02.03 X";
    QTest::newRow("empty part padded") << "X (..5)"
                                       << "00.00.05 X";
    QTest::newRow("no brackets: kept") << "New in version 3.0"
                                       << "New in version 3.0";
    QTest::newRow("two parts only: kept") << "New in version 3.0 (3.99)"
                                          << "New in version 3.0 (3.99)";
    QTest::newRow("closing bracket first: kept") << "x) New in version (1.2.3"
                                                 << "x) New in version (1.2.3";
}

void TestReleaseDetection::formatsOldHeader()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(FormatOldReleaseHeader(line), expected);
}

void TestReleaseDetection::findsReleases_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("releases");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{""};
    QTest::newRow("header on first line has key k0")
        << QByteArray("Release Total Commander 7.0\r\n10.03.99 Added: x")
        << QStringList{"k0 Total Commander 7.0"}
        << QStringList{"Release Total Commander 7.0", "10.03.99 Added: x"};
    QTest::newRow("detection ignores case")
        << QByteArray("x\nrelease total commander 6.0") << QStringList{"k1 total commander 6.0"}
        << QStringList{"x", "release total commander 6.0"};
    QTest::newRow("change line naming a detection text is no header")
        << QByteArray("10.03.99 Added: New in version info") << QStringList{}
        << QStringList{"10.03.99 Added: New in version info"};
    QTest::newRow("old header rewritten")
        << QByteArray("New in version 4.0 (10.3.99)") << QStringList{"k0 version 4.0"}
        << QStringList{"10.03.99 New in version 4.0"};
    QTest::newRow("old 3.51 header rewritten")
        << QByteArray("Release Version 3.51 (1.2.98)") << QStringList{"k0 Version 3.51"}
        << QStringList{"01.02.98 Release Version 3.51"};
    QTest::newRow("Wincmd and new in version: rewritten, labelled from character 16")
        << QByteArray("Release Wincmd and New in version 4.0 (10.3.99)")
        << QStringList{"k0 e Wincmd and New in version 4.0"}
        << QStringList{"10.03.99 Release Wincmd and New in version 4.0"};
    QTest::newRow("Wincmd and new in version without date: earlier list entry labels")
        << QByteArray("Release Wincmd 4 New in version 4.0") << QStringList{"k0 version 4.0"}
        << QStringList{"Release Wincmd 4 New in version 4.0"};
    QTest::newRow("Wincmd and 3.51 without date: Wincmd labels")
        << QByteArray("Release Version 3.51 Release Wincmd 3") << QStringList{"k0 Wincmd 3"}
        << QStringList{"Release Version 3.51 Release Wincmd 3"};
    QTest::newRow("old header without date keeps line and label")
        << QByteArray("New in version 3.0") << QStringList{"k0 version 3.0"}
        << QStringList{"New in version 3.0"};
    QTest::newRow("label from seven characters on, trimmed")
        << QByteArray("** Release Total Commander  9 **") << QStringList{"k0 Total Commander  9 **"}
        << QStringList{"** Release Total Commander  9 **"};
    QTest::newRow("non-ASCII line searched as text")
        << QByteArray("\xc3\xa9t\xc3\xa9 RELEASE Wincmd 4.0") << QStringList{"k0 Wincmd 4.0"}
        << QStringList{QStringLiteral("\u00e9t\u00e9 RELEASE Wincmd 4.0")};
    QTest::newRow("undated text is no header")
        << QByteArray("Total Commander\r\n") << QStringList{} << QStringList{"Total Commander"};
}

void TestReleaseDetection::findsReleases()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, releases);
    QFETCH(QStringList, lines);
    const Detected got = detect(file);
    QCOMPARE(got.releases, releases);
    QCOMPARE(got.lines, lines);
}

void TestReleaseDetection::usesConfiguredTexts_data()
{
    QTest::addColumn<QString>("versionDetectStrings");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("releases");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("no third entry: no rewrite")
        << "Release,New in version" << QByteArray("New in version 4.0 (10.3.99)")
        << QStringList{"k0 version 4.0 (10.3.99)"} << QStringList{"New in version 4.0 (10.3.99)"};
    QTest::newRow("empty entry occurs nowhere")
        << "Release X,,Nothing" << QByteArray("plain text\nRelease X 1") << QStringList{"k1 X 1"}
        << QStringList{"plain text", "Release X 1"};
    QTest::newRow("blank after comma is part of the text")
        << "Release X, Beta" << QByteArray("Beta 2\nfoo Beta 3 final") << QStringList{"k1 final"}
        << QStringList{"Beta 2", "foo Beta 3 final"};
}

void TestReleaseDetection::usesConfiguredTexts()
{
    QFETCH(QString, versionDetectStrings);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, releases);
    QFETCH(QStringList, lines);
    DetectionSettings settings = DetectionSettings::defaults();
    settings.VersionDetectList = versionDetectStrings.split(u',');
    const Detected got = detect(file, settings);
    QCOMPARE(got.releases, releases);
    QCOMPARE(got.lines, lines);
}

void TestReleaseDetection::rewrittenHeaderIsDated()
{
    HistoryLines lines = decodeHistoryBytes("New in version 4.0 (10.3.99)");
    const LineClassifier classifier(DetectionSettings::defaults().ChangeDetectList);
    classifier.classifyAll(lines);
    QCOMPARE(lines.isDated(0), false);
    const auto releases = detectReleases(lines, DetectionSettings::defaults().VersionDetectList, classifier);
    QCOMPARE(releases.size(), std::size_t(1));
    QCOMPARE(lines.isDated(0), true);
    QCOMPARE(lines.kind(0), ChangeKind::Other);
}

void TestReleaseDetection::classifiesLines_data()
{
    QTest::addColumn<QString>("changeDetectStrings");
    QTest::addColumn<QString>("line");
    QTest::addColumn<ChangeKind>("kind");
    QTest::addColumn<bool>("dated");
    const QString defaults = QStringLiteral("##.##.##*Added:*,##.##.##*Fixed:*");
    QTest::newRow("both: addition") << defaults << "10.03.99 Added: Fixed: x" << ChangeKind::Addition << true;
    QTest::newRow("dated other") << defaults << "10.03.99 Changed: x" << ChangeKind::Other << true;
    QTest::newRow("no fix pattern matches no fix") << "##.##.##*Added:*"
                                                   << "10.03.99 Fixed: x" << ChangeKind::Other << true;
    QTest::newRow("blank after comma is part of the pattern")
        << "##.##.##*Added:*, ##.##.##*Fixed:*"
        << "10.03.99 Fixed: x" << ChangeKind::Other << true;
}

void TestReleaseDetection::classifiesLines()
{
    QFETCH(QString, changeDetectStrings);
    QFETCH(QString, line);
    QFETCH(ChangeKind, kind);
    QFETCH(bool, dated);
    HistoryLines lines = decodeHistoryBytes(line.toUtf8());
    LineClassifier(changeDetectStrings.split(u',')).classifyAll(lines);
    QCOMPARE(lines.kind(0), kind);
    QCOMPARE(lines.isDated(0), dated);
}

QTEST_GUILESS_MAIN(TestReleaseDetection)
#include "tst_releasedetection.moc"
