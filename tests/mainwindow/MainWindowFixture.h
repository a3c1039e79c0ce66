#pragma once

#include "app/MessageBox.h"
#include "app/cCommonDialog.h"
#include "app/frmMain.h"
#include "mainwin/DisplaySettings.h"
#include "settings/Globals.h"
#include "settings/cProfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window of its own for each test: a temporary folder with the settings file and the
// history file, message boxes and common dialogs answered by script, started offscreen.
class MainWindowFixture
{
public:
    MainWindowFixture()
    {
        Globals &g = globals();
        g.AppDir = m_dir.path() + QLatin1Char('/');
        g.IniFilePath = m_dir.filePath(QStringLiteral("velomir.ini"));
        g.FileManagerDir = g.MissingValueMarker = QStringLiteral("ABCDEF123456abcdef");
        g.TwipsPerPixelX = g.TwipsPerPixelY = 15;
        displaySettings() = DisplaySettings();
        MessageBox::scriptAnswers(MessageBox::Answer::Ok);
        cCommonDialog::startScripting();
    }

    ~MainWindowFixture()
    {
        m_window.reset();
        m_profile.reset();
        MessageBox::stopScripting();
        cCommonDialog::stopScripting();
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Writes `lines` joined by CR LF as a history file and returns its path.
    QString writeHistory(const QStringList &lines, const QString &name = QStringLiteral("History.txt")) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
        return file.fileName();
    }

    void writeSetting(const QString &key, const QString &value, const QString &section = SectionVelomir)
    {
        cProfile profile;
        profile.WriteValue(section, key, value, globals().IniFilePath);
    }

    QString readSetting(const QString &key, const QString &section = SectionVelomir)
    {
        cProfile profile;
        return profile.ReadValue(section, key, globals().MissingValueMarker, globals().IniFilePath);
    }

    // Starts the window on `file` and waits until its first activation has loaded it. Unless asked
    // to keep the stored placement, the window is given a fixed normal size.
    frmMain &start(const QString &file, bool keepStoredPlacement = false)
    {
        m_profile = std::make_unique<cProfile>();
        m_window = std::make_unique<frmMain>(*m_profile, StartOptions{file, QString()});
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

    // Closes the window as the close box would, which saves the layout.
    void close()
    {
        if (m_window)
            m_window->close();
        m_window.reset();
        m_profile.reset();
    }

    frmMain *window() const { return m_window.get(); }

    // A widget or action of the running window by its object name.
    template <typename T> T *child(const QString &name) const
    {
        return m_window ? m_window->findChild<T *>(name) : nullptr;
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<cProfile> m_profile;
    std::unique_ptr<frmMain> m_window;
};
