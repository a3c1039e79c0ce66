#pragma once

#include "search/FindHistory.h"
#include "search/SearchRule.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class Searcher;
class SettingsStore;

// The modeless Find dialog: the text to look for with its history, where to look and whether
// to match whole words, and the line at which the next "Find Next" starts. Closing it only hides
// it; its options are stored when it is unloaded at the end of the run.
class frmSearchFor : public QDialog
{
    Q_OBJECT
public:
    // Reads the history and the stored options and centres the dialog; it stays hidden.
    frmSearchFor(Searcher &searcher, SettingsStore &settings, QWidget *owner = nullptr);
    ~frmSearchFor() override;

    // The main window's Find command: the list takes the focus, the search starts again at the
    // first line, and the dialog is shown with its text selected.
    void ShowFind();

    // Finds the next match after the previous one; after the last match, says so and starts
    // again at the first line. Works while the dialog is hidden, too.
    void FindNextString();
    // Selects the whole search text, so that typing replaces it.
    void PreSelectText();

    LineIndex NextStartItem() const { return m_nextStartItem; }
    void setNextStartItem(LineIndex line) { m_nextStartItem = line; }

    // The text being searched for, as it stands in the dialog.
    QString searchText() const;

    // Whether there is a text to search for, as Find Next and Find All are enabled.
    bool canSearch() const { return !searchText().isEmpty(); }

    // Stores the options; the owner calls it as the program ends (the destructor does it otherwise).
    void saveOnUnload();

    void reject() override;

signals:
    // The changes list should take the focus: a search starts or has shown its results there.
    void changesListFocusWanted();
    // The text became searchable or stopped being so (Find Next follows it).
    void searchableChanged(bool searchable);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void placeWidgets();
    void loadHistory();
    void LoadFindOptions();
    void SaveFindOptions();
    void AddToFindHistory();
    void showHistory();
    void textChanged();
    void entryPicked(int index);
    void searchInClicked(int choice);
    void findNextClicked();
    void findAllClicked();
    void clearListClicked();
    int wholeWordValue() const;
    QWidget *messageParent();

    Searcher &m_host;
    SettingsStore &m_settings;
    FindHistory m_history;
    LineIndex m_nextStartItem{0};
    // The history entry the text came from; -1 once the text is typed.
    int m_selectedEntry = -1;
    bool m_unloaded = false;

    QLabel *m_label1 = nullptr;
    QComboBox *m_cboFindWhat = nullptr;
    QGroupBox *m_frame1 = nullptr;
    std::array<QRadioButton *, 3> m_optColumn{};
    QButtonGroup *m_searchInGroup = nullptr;
    QCheckBox *m_chkWholeWord = nullptr;
    QPushButton *m_cmdFindNext = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    QPushButton *m_cmdClearList = nullptr;
    QPushButton *m_cmdFindAll = nullptr;
};
