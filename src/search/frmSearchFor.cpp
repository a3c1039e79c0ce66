#include "search/frmSearchFor.h"

#include "mainwin/CenterForm.h"
#include "search/FindOptions.h"
#include "search/Searcher.h"
#include "settings/Globals.h"
#include "settings/SettingsStore.h"
#include "settings/cProfile.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frmSearchFor::frmSearchFor(Searcher &searcher, SettingsStore &settings, QWidget *owner)
    : QDialog(owner)
    , m_host(searcher)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frmSearchFor"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    createWidgets();
    placeWidgets();
    CenterForm(this);

    m_history = FindHistory::load(m_settings);
    showHistory();
    m_cboFindWhat->setEditText(QString());
    textChanged();
    LoadFindOptions();
}

frmSearchFor::~frmSearchFor()
{
    saveOnUnload();
    // The widgets go after this object is no longer a Find dialog; none of their last signals
    // may reach it or the main window.
    m_cboFindWhat->disconnect(this);
    m_cboFindWhat->lineEdit()->disconnect(this);
}

void frmSearchFor::createWidgets()
{
    m_label1 = new QLabel(QStringLiteral("&Find what:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_cboFindWhat = new QComboBox(this);
    m_cboFindWhat->setObjectName(QStringLiteral("cboFindWhat"));
    m_cboFindWhat->setEditable(true);
    // The text searched for is exactly what was typed: no completion from the history, and the
    // history takes only texts that were searched for.
    m_cboFindWhat->setCompleter(nullptr);
    m_cboFindWhat->setInsertPolicy(QComboBox::NoInsert);
    m_label1->setBuddy(m_cboFindWhat);

    m_frame1 = new QGroupBox(QStringLiteral("Search in:"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_searchInGroup = new QButtonGroup(this);
    const std::array<QString, 3> captions{QStringLiteral("&Everywhere"), QStringLiteral("&Additions"),
                                          QStringLiteral("Fi&xes")};
    for (int index = 0; index < int(m_optColumn.size()); ++index) {
        auto *option = new QRadioButton(captions[index], this);
        option->setObjectName(QStringLiteral("optColumn_%1").arg(index));
        m_searchInGroup->addButton(option, index);
        m_optColumn[index] = option;
    }
    m_optColumn[static_cast<std::size_t>(searchInNumber(m_host.SearchInChoice()))]->setChecked(true);

    m_chkWholeWord = new QCheckBox(QStringLiteral("Match whole word &only"), this);
    m_chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    m_cmdFindNext = makeButton(QStringLiteral("Find &Next"), QStringLiteral("cmdFindNext"), this);
    m_cmdFindNext->setDefault(true);
    m_cmdCancel = makeButton(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"), this);
    m_cmdClearList = makeButton(QStringLiteral("Clear List"), QStringLiteral("cmdClearList"), this);
    m_cmdFindAll = makeButton(QStringLiteral("Find A&ll"), QStringLiteral("cmdFindAll"), this);

    setTabOrder(m_cboFindWhat, m_optColumn[0]);
    setTabOrder(m_optColumn[0], m_optColumn[1]);
    setTabOrder(m_optColumn[1], m_optColumn[2]);
    setTabOrder(m_optColumn[2], m_chkWholeWord);
    setTabOrder(m_chkWholeWord, m_cmdFindNext);
    setTabOrder(m_cmdFindNext, m_cmdCancel);
    setTabOrder(m_cmdCancel, m_cmdClearList);
    setTabOrder(m_cmdClearList, m_cmdFindAll);

    connect(m_cboFindWhat, &QComboBox::editTextChanged, this, &frmSearchFor::textChanged);
    connect(m_cboFindWhat, &QComboBox::activated, this, &frmSearchFor::entryPicked);
    connect(m_cboFindWhat->lineEdit(), &QLineEdit::textEdited, this, [this] { m_selectedEntry = -1; });
    connect(m_searchInGroup, &QButtonGroup::idClicked, this, &frmSearchFor::searchInClicked);
    connect(m_chkWholeWord, &QCheckBox::clicked, this, [this] { m_nextStartItem = LineIndex(0); });
    connect(m_cmdFindNext, &QPushButton::clicked, this, &frmSearchFor::findNextClicked);
    connect(m_cmdCancel, &QPushButton::clicked, this, &frmSearchFor::reject);
    connect(m_cmdClearList, &QPushButton::clicked, this, &frmSearchFor::clearListClicked);
    connect(m_cmdFindAll, &QPushButton::clicked, this, &frmSearchFor::findAllClicked);
}

void frmSearchFor::placeWidgets()
{
    // At the standard font the dialog has its classic size; a larger font or scale grows it.
    m_cboFindWhat->setMinimumWidth(Twips::toPixelsX(2655));
    auto *findWhat = new QHBoxLayout;
    findWhat->addWidget(m_label1);
    findWhat->addWidget(m_cboFindWhat, 1);

    auto *searchIn = new QVBoxLayout(m_frame1);
    searchIn->setSpacing(1);
    for (QRadioButton *option : m_optColumn)
        searchIn->addWidget(option);

    auto *left = new QVBoxLayout;
    left->addLayout(findWhat);
    left->addWidget(m_frame1);
    left->addWidget(m_chkWholeWord);
    left->addStretch();

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {m_cmdFindNext, m_cmdCancel, m_cmdClearList, m_cmdFindAll}) {
        button->setMinimumWidth(Twips::toPixelsX(1500));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto *dialog = new QHBoxLayout(this);
    dialog->addLayout(left, 1);
    dialog->addLayout(buttons);
    dialog->setSizeConstraint(QLayout::SetFixedSize);
}

void frmSearchFor::ShowFind()
{
    emit changesListFocusWanted();
    m_nextStartItem = LineIndex(0);
    PreSelectText();
    show();
    raise();
    activateWindow();
}

void frmSearchFor::FindNextString()
{
    const QString text = searchText();
    if (text.isEmpty()) {
        MessageBox::beep();
        return;
    }
    const LineIndex found =
        m_host.FindString(text, m_nextStartItem, m_host.SearchInChoice(), m_chkWholeWord->isChecked());
    m_nextStartItem = found;
    // A result past the number of lines means nothing matched up to the end; the next search
    // starts again at the first line.
    if (found > m_host.LastLineIndex() + 1) {
        m_nextStartItem = LineIndex(0);
        MessageBox::information(messageParent(), QStringLiteral("Cannot find \"%1\"").arg(text));
    }
}

void frmSearchFor::PreSelectText()
{
    QLineEdit *edit = m_cboFindWhat->lineEdit();
    edit->setSelection(0, int(edit->text().size()));
}

QString frmSearchFor::searchText() const
{
    return m_cboFindWhat->currentText();
}

void frmSearchFor::saveOnUnload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    SaveFindOptions();
}

void frmSearchFor::reject()
{
    QDialog::reject();
    emit changesListFocusWanted();
}

bool frmSearchFor::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_cboFindWhat->setFocus(Qt::ActiveWindowFocusReason);
    return QDialog::event(event);
}

void frmSearchFor::closeEvent(QCloseEvent *event)
{
    // Closing by the user only hides the dialog; it keeps its text, options and position.
    event->ignore();
    reject();
}

void frmSearchFor::LoadFindOptions()
{
    const FindOptions options =
        FindOptions::parse(m_settings.read(SectionVelomir, KeyFindOptions, DefaultFindOptions));
    if (options.selectedEntry && *options.selectedEntry >= 0 &&
        *options.selectedEntry < m_cboFindWhat->count()) {
        const int entry = *options.selectedEntry;
        m_cboFindWhat->setCurrentIndex(entry);
        m_cboFindWhat->setEditText(m_cboFindWhat->itemText(entry));
        m_selectedEntry = entry;
    }
    if (options.searchIn && *options.searchIn >= 0 && *options.searchIn < int(m_optColumn.size())) {
        m_optColumn[*options.searchIn]->setChecked(true);
        searchInClicked(*options.searchIn);
    }
    if (options.wholeWord && (*options.wholeWord == 0 || *options.wholeWord == 1)) {
        m_chkWholeWord->setChecked(*options.wholeWord == 1);
        m_nextStartItem = LineIndex(0);
    }
}

void frmSearchFor::SaveFindOptions()
{
    m_settings.write(
        SectionVelomir, KeyFindOptions,
        FindOptions::format(m_selectedEntry, searchInNumber(m_host.SearchInChoice()), wholeWordValue()));
}

void frmSearchFor::AddToFindHistory()
{
    if (m_history.add(searchText(), m_settings))
        showHistory();
    PreSelectText();
}

void frmSearchFor::showHistory()
{
    // Refilling the list must neither change the text nor count as a change of it.
    const QSignalBlocker blocker(m_cboFindWhat);
    const QString text = m_cboFindWhat->currentText();
    m_cboFindWhat->clear();
    m_cboFindWhat->addItems(m_history.entries());
    m_cboFindWhat->setEditText(text);
    m_cmdClearList->setEnabled(!m_history.entries().isEmpty());
}

void frmSearchFor::textChanged()
{
    const bool searchable = canSearch();
    m_cmdFindNext->setEnabled(searchable);
    m_cmdFindAll->setEnabled(searchable);
    emit searchableChanged(searchable);
    m_nextStartItem = LineIndex(0);
}

void frmSearchFor::entryPicked(int index)
{
    m_selectedEntry = index;
    textChanged();
}

void frmSearchFor::searchInClicked(int choice)
{
    m_nextStartItem = LineIndex(0);
    m_host.SearchInChoice() = searchInFromNumber(choice);
}

void frmSearchFor::findNextClicked()
{
    FindNextString();
    AddToFindHistory();
}

void frmSearchFor::findAllClicked()
{
    AddToFindHistory();
    hide();
    m_host.FindAll(searchText(), m_host.SearchInChoice(), m_chkWholeWord->isChecked());
    emit changesListFocusWanted();
}

void frmSearchFor::clearListClicked()
{
    if (MessageBox::question(this, QStringLiteral("Are you sure?")) != MessageBox::Answer::Yes)
        return;
    m_history.clear(m_settings);
    {
        const QSignalBlocker blocker(m_cboFindWhat);
        m_cboFindWhat->clear();
        m_cboFindWhat->setEditText(QString());
    }
    m_selectedEntry = -1;
    textChanged();
    m_cmdClearList->setEnabled(false);
}

int frmSearchFor::wholeWordValue() const
{
    return m_chkWholeWord->isChecked() ? 1 : 0;
}

QWidget *frmSearchFor::messageParent()
{
    return isVisible() ? this : parentWidget();
}
