#include "DataTable.h"

#include "settings/IniFile.h"

#include <QTemporaryDir>

class tst_IniFile : public QObject
{
    Q_OBJECT

private slots:
    void readsValue_data()
    {
        const auto row = addColumns<QByteArray, QString, QString, bool, QString>(
            {"text", "section", "key", "found", "value"});

        row("blanks and one pair of quotes removed", "[A]\n k =  \"\" x \"\"  \n", "A", "k", true, "\" x \"");
        row("empty value is present", "[A]\nk=\n", "A", "k", true, "");
        row("quote at one end only kept", "[A]\nk=\"ab\n", "A", "k", true, "\"ab");
        row("names ignore case", "[ Velomir ]\r\nLastFile=x\r\n", "velomir", "LASTFILE", true, "x");
        row("key of another section", "[A]\nk=1\n[B]\nj=2\n", "A", "j", false, "");
        row("key before any section", "k=1\n[A]\n", "A", "k", false, "");
        row("commented key read by its text", "[A]\n;k=old\n", "A", ";k", true, "old");
        row("value splits at first equals, no final newline", "[A]\nk=a=b", "A", "k", true, "a=b");
        row("damaged: NUL bytes and binary", QByteArray("\0\xff\xfe[A]\x01\nk=1\0\n[B]\nk=2\n", 22), "B", "k",
            true, "2");
    }
    void readsValue()
    {
        auto [text, section, key] = fetch<QByteArray, QString, QString>({"text", "section", "key"});

        const std::optional<QString> read = IniFile::fromBytes(text).value(section, key);
        QTEST(read.has_value(), "found");
        QTEST(read.value_or(QString()), "value");
    }

    void editKeepsOtherLines_data()
    {
        const auto row =
            addColumns<QByteArray, QString, QString, QByteArray>({"before", "op", "key", "after"});

        const QByteArray crlf = "; top\r\n[A]\r\n Key = old ; kept?\r\nz=1\r\n\r\n[B]\r\nb=2\r\n";
        row("replace in place keeps spelling and CR LF", crlf, "set", "key",
            "; top\r\n[A]\r\n Key =new\r\nz=1\r\n\r\n[B]\r\nb=2\r\n");
        row("new key at end of section, before blank line", crlf, "set", "y",
            "; top\r\n[A]\r\n Key = old ; kept?\r\nz=1\r\ny=new\r\n\r\n[B]\r\nb=2\r\n");
        row("new section appended after blank line", "[B]\nb=2", "setC", "k", "[B]\nb=2\n\n[C]\nk=new");
        row("remove key", crlf, "remove", "z", "; top\r\n[A]\r\n Key = old ; kept?\r\n\r\n[B]\r\nb=2\r\n");
        row("remove missing key changes nothing", crlf, "remove", "nope", crlf);
    }
    void editKeepsOtherLines()
    {
        auto [before, op, key] = fetch<QByteArray, QString, QString>({"before", "op", "key"});
        IniFile ini = IniFile::fromBytes(before);
        bool ok = false;
        if (op == u"set")
            ok = ini.setValue(u"a", key, u"new");
        else if (op == u"setC")
            ok = ini.setValue(u"C", key, u"new");
        else
            ok = ini.removeKey(u"A", key);
        QVERIFY(ok);
        QTEST(ini.toBytes(), "after");
    }

    // Names are checked against a reference on random files (fuzz_ini); its values hold no line
    // feed and no lone surrogate.
    void refusesEditsThatBreakLayout_data()
    {
        const auto row = addColumns<QString, QString, QString>({"section", "key", "value"});

        row("line break in value", "A", "k", "x\n[Other]\ny=1");
        row("lone surrogate in value", "A", "k", QStringLiteral("a") + QChar(0xDE00));
    }
    void refusesEditsThatBreakLayout()
    {
        auto [section, key, value] = fetch<QString, QString, QString>({"section", "key", "value"});

        const QByteArray before = "[A]\nk=1\n";
        IniFile ini = IniFile::fromBytes(before);
        QVERIFY(!ini.setValue(section, key, value));
        QCOMPARE(ini.toBytes(), before);
    }

    void keepsEncodingRead_data()
    {
        const auto row = addColumns<QByteArray, QString, QByteArray>({"before", "value", "after"});

        row("Windows-1252 stays", QByteArray("[A]\nk=caf\xE9 \x80\n"), QString::fromUtf8("\xE2\x80\x9C"),
            QByteArray("[A]\nk=\x93\n"));
        row("Windows-1252 switches to UTF-8 when needed", QByteArray("[A]\nj=\xE9\nk=1\n"),
            QString::fromUtf8("\xD0\x96"), QByteArray("[A]\nj=\xC3\xA9\nk=\xD0\x96\n"));
        row("UTF-8 with BOM stays", QByteArray("\xEF\xBB\xBF[A]\nk=1\n"), QString::fromUtf8("\xC3\xA9"),
            QByteArray("\xEF\xBB\xBF[A]\nk=\xC3\xA9\n"));
    }
    void keepsEncodingRead()
    {
        auto [before, value, after] = fetch<QByteArray, QString, QByteArray>({"before", "value", "after"});

        IniFile ini = IniFile::fromBytes(before);
        QVERIFY(ini.setValue(u"A", u"k", value));
        QCOMPARE(ini.toBytes(), after);
        QCOMPARE(IniFile::fromBytes(after).value(u"A", u"k").value_or(QString()), value);
    }

    void otherValueKeepsItsText_data()
    {
        const auto row = addColumns<QByteArray, QString>({"file", "kept"});
        // "\xC3\x80" is two code-page letters, and also one UTF-8 letter once the stray byte has gone.
        row("code-page letters that look like UTF-8", QByteArray("[a]\nK=\xBB\nNm=t\xC3\x80x\n"),
            QStringLiteral("t\u00C3\u20ACx"));
    }
    void otherValueKeepsItsText()
    {
        auto [file, kept] = fetch<QByteArray, QString>({"file", "kept"});
        IniFile ini = IniFile::fromBytes(file);
        QCOMPARE(ini.value(u"a", u"Nm"), std::optional<QString>(kept));
        QVERIFY(ini.setValue(u"a", u"K", u"plain"));
        QCOMPARE(IniFile::fromBytes(ini.toBytes()).value(u"a", u"Nm"), std::optional<QString>(kept));
    }

    void neverOverwritesUnreadableFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkdir(path));
        IniFile ini = IniFile::load(path);
        QVERIFY(ini.setValue(u"A", u"k", u"1"));
        QVERIFY(!ini.save(path));
        QVERIFY(QFileInfo(path).isDir());
    }

    void saveCreatesFileAndFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/velomir.ini"));
        IniFile ini = IniFile::load(path);
        QVERIFY(ini.removeKey(u"A", u"k"));
        QVERIFY(ini.save(path));
        QVERIFY(!QFileInfo::exists(path)); // nothing changed, nothing written
        QVERIFY(ini.setValue(u"A", u"k", u"1"));
        QVERIFY(ini.save(path));
        QCOMPARE(IniFile::load(path).value(u"a", u"K").value_or(QString()), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
