#include "app/FileManagerLocation.h"
#include "app/StartFileChoice.h"

#include <QTest>

namespace {

const QString marker = QStringLiteral("ABCDEF012345abcdef");

// Stands in for the path routines of the settings folder: only the placeholder matters here.
QString expand(const QString &path)
{
    QString expanded = path;
    return expanded.replace(QStringLiteral("%commander_path%"), QStringLiteral("/opt/tc"),
                            Qt::CaseInsensitive);
}

QString addSeparator(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace

class TestFileManagerLocation : public QObject
{
    Q_OBJECT

private slots:
    void directorySources_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("machine");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QStringList>("written");

        const QString m = marker;
        QTest::newRow("environment wins and is remembered") << "C:\\FM"
                                                            << "/u"
                                                            << "/m"
                                                            << "/s"
                                                            << "C:\\FM/" << QStringList{"C:\\FM"};
        QTest::newRow("user registry over machine") << ""
                                                    << "/u"
                                                    << "/m"
                                                    << "/s"
                                                    << "/u/" << QStringList{"/u"};
        QTest::newRow("machine registry when user has none") << "" << m << "/m"
                                                             << "/s"
                                                             << "/m/" << QStringList{"/m"};
        QTest::newRow("remembered folder only when no other") << "" << m << m << "/s"
                                                              << "/s/" << QStringList{};
        QTest::newRow("marker when nothing knows the folder") << "" << m << m << m << m << QStringList{};
        QTest::newRow("placeholder in registry value")
            << ""
            << "%commander_path%" << m << m << "/opt/tc/" << QStringList{"/opt/tc"};
        QTest::newRow("marker in other case is absent")
            << "" << m.toLower() << "/m" << m << "/m/" << QStringList{"/m"};
        QTest::newRow("empty registry value is absent") << ""
                                                        << ""
                                                        << "/m" << m << "/m/" << QStringList{"/m"};
        QTest::newRow("empty remembered folder is absent") << "" << m << m << "" << m << QStringList{};
    }
    void directorySources()
    {
        QFETCH(QString, environment);
        QFETCH(QString, user);
        QFETCH(QString, machine);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QStringList, written);

        QStringList writes;
        FileManagerDirSources sources{
            marker,
            environment,
            user,
            machine,
            expand,
            addSeparator,
            {},
            [&](const QString &defaultValue) { return stored == marker ? defaultValue : stored; },
            [&](const QString &value) { writes << value; }};
        QCOMPARE(FindFileManagerDir(sources), expected);
        QCOMPARE(writes, written);
    }

    void startFile_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("fileManagerDir");
        QTest::addColumn<QString>("lastFile");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<StartFileChoice>("expected");

        const QString m = marker;
        QTest::newRow("default history file")
            << ""
            << "/tc/" << m << QStringList{"/tc/History.txt"}
            << StartFileChoice{StartFileSource::DefaultHistory, "/tc/History.txt"};
        QTest::newRow("command-line file exists")
            << "/x/h.txt"
            << "/tc/" << m << QStringList{"/x/h.txt", "/tc/History.txt"}
            << StartFileChoice{StartFileSource::CommandLine, "/x/h.txt"};
        QTest::newRow("command line expanded")
            << "%Commander_Path%/h.txt"
            << "/tc/" << m << QStringList{"/opt/tc/h.txt"}
            << StartFileChoice{StartFileSource::CommandLine, "/opt/tc/h.txt"};
        QTest::newRow("missing command-line file falls back to LastFile")
            << "/x/gone.txt"
            << "/tc/"
            << "%commander_path%/old.txt" << QStringList{"/tc/History.txt", "/opt/tc/old.txt"}
            << StartFileChoice{StartFileSource::LastFile, "/opt/tc/old.txt"};
        QTest::newRow("neither exists opens the dialog")
            << "/x/gone.txt"
            << "/tc/"
            << "/y/gone.txt" << QStringList{} << StartFileChoice{};
        QTest::newRow("unknown folder names no default file")
            << "" << m << m << QStringList{m + "History.txt"} << StartFileChoice{};
    }
    void startFile()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, fileManagerDir);
        QFETCH(QString, lastFile);
        QFETCH(QStringList, existing);
        QFETCH(StartFileChoice, expected);
        const StartFileInputs inputs{
            marker,   commandLine, fileManagerDir,
            lastFile, expand,      [&](const QString &path) { return existing.contains(path); }};
        QCOMPARE(StartFileChoice::choose(inputs), expected);
    }
};

QTEST_GUILESS_MAIN(TestFileManagerLocation)
#include "tst_FileManagerLocation.moc"
