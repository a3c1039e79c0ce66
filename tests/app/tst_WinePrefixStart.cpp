#include "DataTable.h"

#include "TestFiles.h"

#include "app/Application.h"
#include "app/CommandLine.h"
#include "mainwin/DisplaySettings.h"
#include "settings/Globals.h"
#include "widgets/MessageBox.h"
#include "widgets/ScreenTwips.h"
#include "widgets/cCommonDialog.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

namespace {

const QByteArray hiveHeader = "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21\n\n";
const QByteArray tcSection = "[Software\\\\Ghisler\\\\Total Commander] 1700000000\n#time=1d9\n";

} // namespace

// The viewer started with no file named, as a user of the file manager under Wine starts it: a
// scratch prefix announces the folder, and the history in it must open without a dialog.
class tst_WinePrefixStart : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        // The developer's own ~/.wine, settings and environment must never take part; a prefix as
        // Wine lays it out, and a second drive D: outside it.
        QDir root(m_root->path());
        for (const char *folder : {"home", "prefix/drive_c/totalcmd", "prefix/dosdevices", "data/tc"})
            QVERIFY(root.mkpath(QLatin1String(folder)));
        qputenv("HOME", m_root->filePath(QStringLiteral("home")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_root->filePath(QStringLiteral("home/.config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_root->filePath(QStringLiteral("home/.local/share")).toLocal8Bit());
        qunsetenv("Commander_Path");
        qputenv("WINEPREFIX", prefix().toLocal8Bit());
        QVERIFY(QFile::link(QStringLiteral("../drive_c"), prefix() + QStringLiteral("/dosdevices/c:")));
        QVERIFY(QFile::link(m_root->filePath(QStringLiteral("data")),
                            prefix() + QStringLiteral("/dosdevices/d:")));

        MessageBox::scriptAnswers(MessageBox::Answer::Ok);
        cCommonDialog::startScripting(); // the open dialog, if asked for, is cancelled
    }

    void cleanup()
    {
        for (const char *name :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "WINEPREFIX", "Commander_Path", "VELOMIR_TC_DRIVE"})
            qunsetenv(name);
        MessageBox::stopScripting();
        cCommonDialog::stopScripting();
        m_root.reset();
    }

    void historyInPrefixOpensAtStart_data()
    {
        // The lines under the key in user.reg and in system.reg (none: no file), and the history
        // file below the scratch folder.
        const auto row = addColumns<QByteArray, QByteArray, QStringList, QString>(
            {"userValue", "machineValue", "environment", "file"});

        const char *driveC = "prefix/drive_c/totalcmd/History.txt";
        row("other drive through dosdevices", "\"InstallDir\"=\"D:\\\\tc\"", "", {}, "data/tc/History.txt");
        row("machine value without user.reg", "", "\"InstallDir\"=\"C:\\\\totalcmd\"", {}, driveC);
        row("expandable value naming a variable", "\"InstallDir\"=str(2):\"%VELOMIR_TC_DRIVE%\\\\totalcmd\"",
            "", {"VELOMIR_TC_DRIVE=C:"}, driveC);
        row("Commander_Path as the file manager passes it", "", "", {"Commander_Path=C:\\totalcmd"}, driveC);
    }
    void historyInPrefixOpensAtStart()
    {
        auto [userValue, machineValue, environment, file] =
            fetch<QByteArray, QByteArray, QStringList, QString>(
                {"userValue", "machineValue", "environment", "file"});
        if (!userValue.isEmpty())
            QVERIFY(writeFile(prefix() + "/user.reg", hiveHeader + tcSection + userValue + '\n'));
        if (!machineValue.isEmpty())
            QVERIFY(writeFile(prefix() + "/system.reg", hiveHeader + tcSection + machineValue + '\n'));
        for (const QString &variable : environment)
            qputenv(variable.section(u'=', 0, 0).toLocal8Bit(), variable.section(u'=', 1).toLocal8Bit());
        const QString written = m_root->filePath(file);
        QVERIFY(QDir().mkpath(QFileInfo(written).path()));
        QVERIFY(writeFile(written, "Release Total Commander 1.0\r\n01.01.01 Added: first\r\n"));
        const QString history = QFileInfo(written).canonicalFilePath(); // as the file system names it

        QCOMPARE(startAndLoad(), history);
        // The next run, with no prefix or folder announced (the isolated home holds no ~/.wine), finds
        // the folder where it was remembered: as the folder on this system, not as the Windows path
        // it was announced by.
        qunsetenv("WINEPREFIX");
        qunsetenv("Commander_Path");
        QCOMPARE(startAndLoad(), history);
    }

private:
    QString prefix() const { return m_root->filePath(QStringLiteral("prefix")); }
    QString iniPath() const { return m_root->filePath(QStringLiteral("velomir.ini")); }

    // Runs start-up as the program does with only --ini given, waits for the first file and closes
    // the window again. The file it opened, or what went wrong instead.
    QString startAndLoad()
    {
        const qsizetype dialogsBefore = cCommonDialog::openRequests().size();
        const StartedViewer viewer = startViewer(parseCommandLine({QStringLiteral("--ini"), iniPath()}));
        frmMain &window = *viewer.window;
        window.show();
        // Loaded: "All" and the one release listed.
        const bool loaded =
            QTest::qWaitFor([&window] { return !window.isLoading() || !window.isVisible(); }) &&
            window.findChild<QTreeWidget *>(QStringLiteral("lvVersionsList"))->topLevelItemCount() == 2;
        const QString opened = window.historyFilePath();
        window.close();
        if (cCommonDialog::openRequests().size() != dialogsBefore)
            return QStringLiteral("<open dialog>");
        return loaded ? opened : QStringLiteral("<not loaded: %1>").arg(opened);
    }

    std::unique_ptr<QTemporaryDir> m_root;
};

QTEST_MAIN(tst_WinePrefixStart)
#include "tst_WinePrefixStart.moc"
