#include "AccessKeys.h"
#include "DataTable.h"
#include "MemorySettingsStore.h"

#include "search/FindOptions.h"
#include "search/Searcher.h"
#include "search/frmSearchFor.h"
#include "settings/cProfile.h"
#include "widgets/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

const QString Marker = QStringLiteral("QWERTY000042zxcvbn");

// Stands in for the main window: records the searches, one line each, and answers with scripted
// results.
struct FakeHost : Searcher
{
    LineIndex FindString(const QString &text, LineIndex start, SearchIn searchIn, bool wholeWord) override
    {
        starts << start.value();
        calls << describe("find", text, searchIn, wholeWord);
        return LineIndex(results.isEmpty() ? lastLine + 2 : results.takeFirst());
    }
    void FindAll(const QString &text, SearchIn searchIn, bool wholeWord) override
    {
        calls << describe("all", text, searchIn, wholeWord);
    }
    LineIndex LastLineIndex() const override { return LineIndex(lastLine); }
    SearchIn &SearchInChoice() override { return searchInChoice; }
    static QString describe(const char *call, const QString &text, SearchIn searchIn, bool wholeWord)
    {
        return QStringLiteral("%1 %2 in %3%4")
            .arg(call, text)
            .arg(searchInNumber(searchIn))
            .arg(wholeWord ? " whole" : "");
    }

    QList<int> results, starts;
    QStringList calls;
    int lastLine = 9;
    SearchIn searchInChoice = SearchIn::Everywhere;
    int listFocused = 0;
    bool findNextEnabled = true;
};

} // namespace

class tst_frmSearchFor : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<MemorySettingsStore> m_settings;
    std::unique_ptr<frmSearchFor> m_dialog;

    void open()
    {
        m_dialog.reset();
        m_dialog = std::make_unique<frmSearchFor>(*m_host, *m_settings);
        connect(m_dialog.get(), &frmSearchFor::changesListFocusWanted, this,
                [this] { ++m_host->listFocused; });
        connect(m_dialog.get(), &frmSearchFor::searchableChanged, this,
                [this](bool searchable) { m_host->findNextEnabled = searchable; });
        m_host->findNextEnabled = m_dialog->canSearch();
        m_dialog->show();
    }
    template <typename T> T *find(const QString &name) { return m_dialog->findChild<T *>(name); }
    void click(const QString &name) { find<QAbstractButton>(name)->click(); }
    QComboBox *combo() { return find<QComboBox>("cboFindWhat"); }
    void type(const QString &text)
    {
        combo()->lineEdit()->selectAll();
        QTest::keyClicks(combo()->lineEdit(), text);
    }
    void pressEnter() { QTest::keyClick(combo()->lineEdit(), Qt::Key_Return); }
    // What choosing an entry in the drop-down list does.
    void pick(int entry)
    {
        combo()->setCurrentIndex(entry);
        emit combo()->activated(entry);
    }
    QStringList entries()
    {
        QStringList texts;
        for (int i = 0; i < combo()->count(); ++i)
            texts << combo()->itemText(i);
        return texts;
    }
    QString stored(const QString &key) { return m_settings->read(SectionVelomir, key, Marker); }
    // Stores the remembered texts Find1, Find2, ... in this order.
    void storeTexts(const QStringList &texts)
    {
        for (int n = 0; n < texts.size(); ++n)
            m_settings->set(SectionVelomir, QStringLiteral("Find%1").arg(n + 1), texts[n]);
    }

private slots:
    void init()
    {
        m_host = std::make_unique<FakeHost>();
        m_settings = std::make_unique<MemorySettingsStore>();
        MessageBox::scriptAnswers(MessageBox::Answer::Ok);
    }
    void cleanup()
    {
        m_dialog.reset();
        MessageBox::stopScripting();
    }

    // Enter searches from the first line, then after each match; a change to the text or options
    // (made before the second Enter) starts again at the first line.
    void enterSearchesFromFirstLineThenAfterEachMatch_data()
    {
        const auto row = addColumns<QList<int>, QString, QList<int>, QStringList>(
            {"results", "change", "starts", "messages"});
        const QStringList notFound{"Cannot find \"tab\""};
        row("match on the last line", {10, 11, 4}, "", {0, 10, 0}, notFound);
        row("text changed", {5, 7}, "text", {0, 0}, {});
        row("search-in option changed", {5, 7}, "optColumn_1", {0, 0}, {});
        row("whole-word box changed", {5, 7}, "chkWholeWord", {0, 0}, {});
        row("entry picked", {5, 7}, "pick", {0, 0}, {});
    }
    void enterSearchesFromFirstLineThenAfterEachMatch()
    {
        auto [results, change, starts] =
            fetch<QList<int>, QString, QList<int>>({"results", "change", "starts"});
        storeTexts({"tab"});
        m_host->results = results;
        open();
        type("tab");
        for (int press = 0; press < starts.size(); ++press) {
            if (press == 1 && change == "text")
                QTest::keyClick(combo()->lineEdit(), Qt::Key_S);
            else if (press == 1 && change == "pick")
                pick(0);
            else if (press == 1 && !change.isEmpty())
                click(change);
            pressEnter();
        }
        QCOMPARE(m_host->starts, starts);
        QTEST(MessageBox::shownTexts(), "messages");
        QVERIFY(m_dialog->isVisible());
    }

    void emptyTextBeepsInsteadOfSearching()
    {
        open();
        m_dialog->FindNextString();
        QCOMPARE(MessageBox::beepCount(), 1);
        QCOMPARE(m_host->calls, QStringList());
    }

    // Every control has a letter of its own: Alt+L reaches Find All, which shared Alt+F once.
    void accessKeysAreDistinctAndFindAllHasOne()
    {
        open();
        QCOMPARE(accessKeyClashes(m_dialog.get()), QStringList());
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        type("tab");
        QTest::keyClick(m_dialog->windowHandle(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(m_host->calls, QStringList{"all tab in 0"});
    }

    // The dialog grows with its font: every control keeps room for its caption.
    void controlsFitLargeFont()
    {
        open();
        QFont large = m_dialog->font();
        large.setPointSize(20);
        m_dialog->setFont(large);
        m_dialog->layout()->activate();
        for (const QWidget *control : m_dialog->findChildren<QWidget *>()) {
            if (qobject_cast<const QAbstractButton *>(control) || qobject_cast<const QLabel *>(control))
                QVERIFY2(control->width() >= control->sizeHint().width(), qPrintable(control->objectName()));
        }
    }

    void enteredTextJoinsHistory_data()
    {
        const auto row =
            addColumns<QStringList, int, QString, QStringList>({"history", "picked", "typed", "expected"});
        QStringList full;
        for (int n = 1; n <= 20; ++n)
            full << QStringLiteral("t%1").arg(n);
        const QStringList dropped = QStringList{"new"} + full.mid(0, 19);
        row("new text drops the oldest of a full list", full, -1, "new", dropped);
        row("typed over the oldest entry picked", full, 19, "new", dropped);
        row("differing only in case adds nothing", {"Tab"}, -1, "TAB", {"Tab"});
    }
    void enteredTextJoinsHistory()
    {
        auto [history, picked, typed, expected] =
            fetch<QStringList, int, QString, QStringList>({"history", "picked", "typed", "expected"});
        storeTexts(history);
        open();
        if (picked >= 0)
            pick(picked);
        type(typed);
        pressEnter();

        QStringList inFile;
        for (int n = 1; n <= 21; ++n)
            inFile << stored(QStringLiteral("Find%1").arg(n));
        QCOMPARE(entries(), expected);
        QCOMPARE(inFile.mid(0, expected.size() + 1), expected + QStringList{Marker});
        if (expected == history)
            QCOMPARE(m_settings->writtenKeys(), QStringList());
        QCOMPARE(combo()->currentText(), typed);
        QCOMPARE(combo()->lineEdit()->selectedText(), typed);
    }

    void optionsAreStoredAndRestored_data()
    {
        const auto row = addColumns<int, int, bool, QStringList, QString, QString>(
            {"picked", "choice", "whole", "list", "options", "text"});
        row("entry picked", 2, 0, false, QStringList{"a", "b", "c"}, "2,0,0", "c");
        row("typed text, fixes, whole words", -1, 2, true, QStringList{"typed", "a", "b", "c"}, "-1,2,1", "");
    }
    void optionsAreStoredAndRestored()
    {
        auto [picked, choice, whole] = fetch<int, int, bool>({"picked", "choice", "whole"});
        storeTexts({"a", "b", "c"});
        open();
        if (picked >= 0)
            pick(picked);
        else
            type("typed");
        click(QStringLiteral("optColumn_%1").arg(choice));
        find<QCheckBox>("chkWholeWord")->setChecked(whole);
        pressEnter();
        m_dialog->saveOnUnload();
        QTEST(stored("FindOptions"), "options");
        QTEST(entries(), "list");

        open();
        QTEST(combo()->currentText(), "text");
        QCOMPARE(find<QRadioButton>(QStringLiteral("optColumn_%1").arg(choice))->isChecked(), true);
        QCOMPARE(find<QCheckBox>("chkWholeWord")->isChecked(), whole);
    }

    void storedChoiceOutOfRangeLeavesChoice()
    {
        m_host->searchInChoice = SearchIn::Fixes;
        m_settings->set(SectionVelomir, "FindOptions", "0,7,1");
        open();
        type("tab");
        pressEnter();

        QCOMPARE(find<QCheckBox>("chkWholeWord")->isChecked(), true);
        QCOMPARE(find<QRadioButton>("optColumn_2")->isChecked(), true);
        QCOMPARE(m_host->calls, QStringList{"find tab in 2 whole"});
    }

    // Answered No, the list stays; answered Yes, it is emptied in the dialog and the file.
    void clearList()
    {
        storeTexts({"a", "b"});
        open();
        pick(1);
        for (const bool yes : {false, true}) {
            MessageBox::scriptAnswers(yes ? MessageBox::Answer::Yes : MessageBox::Answer::No);
            click("cmdClearList");
            QCOMPARE(MessageBox::shownTexts(), QStringList{"Are you sure?"});
            QCOMPARE(combo()->count(), yes ? 0 : 2);
            QCOMPARE(combo()->currentText(), QString(yes ? "" : "b"));
            QCOMPARE(stored("Find2"), yes ? Marker : QString("b"));
            for (const char *button : {"cmdFindNext", "cmdFindAll", "cmdClearList"})
                QCOMPARE(find<QPushButton>(button)->isEnabled(), !yes);
            QCOMPARE(m_host->findNextEnabled, !yes);
        }
    }

    // The close box, Escape and Find All hide the dialog, hand the focus to the changes list and
    // keep the text and options for the next Ctrl+F; only Find All searches.
    void hidingKeepsTextAndOptions_data()
    {
        const auto row = addColumns<QString, QStringList, QString>({"action", "calls", "stored"});
        row("close box", "close", {}, Marker);
        row("Escape", "escape", {}, Marker);
        row("Find All", "cmdFindAll", {"all tab in 2 whole"}, "tab");
    }
    void hidingKeepsTextAndOptions()
    {
        QFETCH(QString, action);
        open();
        type("tab");
        click("optColumn_2");
        click("chkWholeWord");
        if (action == u"escape")
            QTest::keyClick(combo()->lineEdit(), Qt::Key_Escape);
        else if (action == u"close")
            QCOMPARE(m_dialog->close(), false);
        else
            click(action);

        QCOMPARE(m_dialog->isVisible(), false);
        QCOMPARE(m_host->listFocused, 1);
        QTEST(m_host->calls, "calls");
        QTEST(stored("Find1"), "stored");
        m_dialog->ShowFind();
        QCOMPARE(m_dialog->isVisible(), true);
        QCOMPARE(combo()->lineEdit()->selectedText(), "tab");
        QCOMPARE(find<QRadioButton>("optColumn_2")->isChecked(), true);
        QCOMPARE(find<QCheckBox>("chkWholeWord")->isChecked(), true);
    }

    void parsesEachFieldAsItsLeadingNumber_data()
    {
        const auto row = addColumns<QString, FindOptions>({"stored", "expected"});
        row("text after the number", "3x,1 ,1abc", FindOptions{3, 1, 1});
        row("blank before the number", " 4,\t2,1", FindOptions{4, 2, 1});
        row("field without a number counts as 0", "abc,,x1", FindOptions{0, 0, 0});
        row("missing fields stay empty", "5", FindOptions{5, std::nullopt, std::nullopt});
        row("extra fields ignored", "1,2,1,9", FindOptions{1, 2, 1});
        row("too large for an int", "99999999999999999999,-99999999999,1", FindOptions{INT_MAX, INT_MIN, 1});
    }
    void parsesEachFieldAsItsLeadingNumber()
    {
        QFETCH(QString, stored);
        QTEST(FindOptions::parse(stored), "expected");
    }
};

QTEST_MAIN(tst_frmSearchFor)
#include "tst_frmSearchFor.moc"
