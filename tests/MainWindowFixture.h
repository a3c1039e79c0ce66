#pragma once

#include "app/frmMain.h"
#include "history/ChangesListModel.h"
#include "settings/Globals.h"
#include "settings/ProfileSettingsStore.h"
#include "settings/cProfile.h"
#include "widgets/MessageBox.h"
#include "widgets/Twips.h"
#include "widgets/cCommonDialog.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest> // the window tests take Qt Test from here
#include <QTreeWidget>

#include <memory>

// A main window of its own for each test: a temporary folder with the settings and history files,
// message boxes and common dialogs answered by script, started offscreen.
class MainWindowFixture
{
public:
    MainWindowFixture()
    {
        m_paths.AppDir = m_dir.path() + QLatin1Char('/');
        m_paths.IniFilePath = m_dir.filePath(QStringLiteral("velomir.ini"));
        m_paths.FileManagerDir = missingValueMarker();
        MessageBox::scriptAnswers(MessageBox::Answer::Ok);
        cCommonDialog::startScripting();
    }
    ~MainWindowFixture()
    {
        close();
        MessageBox::stopScripting();
        cCommonDialog::stopScripting();
    }

    // Where the window's files are; a test may change them before it starts the window.
    ProgramPaths &paths() { return m_paths; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Writes `lines` joined by CR LF and returns the file's path.
    QString writeHistory(const QStringList &lines, const QString &name = QStringLiteral("History.txt")) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
        return file.fileName();
    }
    void writeSetting(const QString &key, const QString &value)
    {
        cProfile(m_paths).WriteValue(SectionVelomir, key, value, m_paths.IniFilePath);
    }
    // Writes each "Key=value" of `pairs`.
    void writeSettings(const QStringList &pairs)
    {
        for (const QString &pair : pairs)
            writeSetting(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    }
    QString readSetting(const QString &key)
    {
        return cProfile(m_paths).ReadValue(SectionVelomir, key, missingValueMarker(), m_paths.IniFilePath);
    }

    // Starts the window on `file` and waits until it has loaded it; unless told to keep the stored
    // placement, the window gets a fixed normal size.
    frmMain &start(const QString &file, bool keepStoredPlacement = false)
    {
        m_profile = std::make_unique<cProfile>(m_paths);
        m_settings = std::make_unique<ProfileSettingsStore>(*m_profile);
        m_display = std::make_unique<CurrentDisplaySettings>(
            LoadDisplaySettings(*m_settings, {Twips::perPixelX(), Twips::perPixelY()}));
        m_window = std::make_unique<frmMain>(*m_settings, *m_display, StartOptions{file, QString()});
        if (!keepStoredPlacement) {
            m_window->setWindowState(Qt::WindowNoState);
            m_window->resize(900, 600);
        }
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("main window not exposed");
        frmMain *window = m_window.get();
        if (!QTest::qWaitFor([window] { return !window->isLoading() || !window->isVisible(); }, 5000))
            qWarning("main window did not load its file");
        return *m_window;
    }
    // The display settings in force for the window started last.
    CurrentDisplaySettings &display() { return *m_display; }
    // Closes the window as the close box would, which saves the layout.
    void close()
    {
        if (m_window)
            m_window->close();
        m_window.reset();
        m_display.reset();
        m_settings.reset();
        m_profile.reset();
    }

private:
    QTemporaryDir m_dir;
    ProgramPaths m_paths;
    std::unique_ptr<cProfile> m_profile;
    std::unique_ptr<ProfileSettingsStore> m_settings;
    std::unique_ptr<CurrentDisplaySettings> m_display;
    std::unique_ptr<frmMain> m_window;
};

// A line before the first release, three releases, an empty line inside the first.
inline QStringList sampleHistory()
{
    return {"Preface line",                  // 0
            "Release Total Commander 3.0",   // 1
            "03.03.03 Added: alpha tab one", // 2
            "",                              // 3
            "03.03.03 Fixed: beta",          // 4
            "Release Total Commander 2.0",   // 5
            "02.02.02 Added: gamma",         // 6
            "02.02.02 Fixed: delta tab",     // 7
            "Release Total Commander 1.0",   // 8
            "01.02.03 Added: epsilon",       // 9
            "01.01.01 Fixed: zeta"};         // 10
}

inline QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

template <typename T = QWidget> T *child(frmMain &w, const char *name)
{
    return w.findChild<T *>(QLatin1String(name));
}
inline QTableView *changesList(frmMain &w)
{
    return child<QTableView>(w, "lvChangesList");
}
inline QTreeWidget *versionsList(frmMain &w)
{
    return child<QTreeWidget>(w, "lvVersionsList");
}
inline QPlainTextEdit *wrapPanel(frmMain &w)
{
    return child<QPlainTextEdit>(w, "Text1");
}
inline QString panelText(frmMain &w, const char *name)
{
    return child<QLabel>(w, name)->text();
}
inline QAction *action(frmMain &w, const char *name)
{
    return child<QAction>(w, name);
}
inline void trigger(frmMain &w, const QString &name)
{
    action(w, name.toLatin1().constData())->trigger();
}

// The history line of every row, top to bottom.
inline QList<int> shownLines(frmMain &w)
{
    const auto *model = qobject_cast<const ChangesListModel *>(changesList(w)->model());
    QList<int> lines;
    for (ListRow row(0); model->content().rows.contains(row); ++row)
        lines << model->lineOfRow(row).value();
    return lines;
}

// The text of the Change column of every row, top to bottom.
inline QStringList changeTexts(frmMain &w)
{
    const QAbstractItemModel *model = changesList(w)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, model->columnCount() - 1).data().toString();
    return texts;
}

inline QString currentChangeText(frmMain &w)
{
    const QModelIndex current = changesList(w)->selectionModel()->currentIndex();
    return current.siblingAtColumn(changesList(w)->model()->columnCount() - 1).data().toString();
}

// The one release drawn in a font of its own (the mark of the current item), when it is also the
// only selected and the current item; else -1.
inline int markedVersion(frmMain &w)
{
    QTreeWidget *versions = versionsList(w);
    QList<int> marked;
    for (int i = 0; i < versions->topLevelItemCount(); ++i) {
        if (versions->topLevelItem(i)->font(0).resolve(versions->font()) != versions->font())
            marked << i;
    }
    QTreeWidgetItem *item = marked.size() == 1 ? versions->topLevelItem(marked.first()) : nullptr;
    const bool chosen = item && versions->selectedItems() == QList{item} && versions->currentItem() == item;
    return chosen ? marked.first() : -1;
}

// Clicks a release as the user would.
inline void clickVersion(frmMain &w, int position)
{
    QTreeWidget *versions = versionsList(w);
    const QRect rect = versions->visualItemRect(versions->topLevelItem(position));
    QTest::mouseClick(versions->viewport(), Qt::LeftButton, {}, rect.center());
}

inline void selectRows(frmMain &w, const QList<int> &rows)
{
    QTableView *list = changesList(w);
    list->clearSelection();
    for (int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}
