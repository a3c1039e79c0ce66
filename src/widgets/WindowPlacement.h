#pragma once

#include <QDebug>
#include <QList>
#include <QRectF>
#include <QString>

#include <functional>

// Settings of section "Velomir" that hold the main window's placement.
inline const QString MainWindowPositionKey = QStringLiteral("MainWindowPosition");
inline const QString MainWindowMaximizedKey = QStringLiteral("MainWindowMaxmized");
inline const QString DefaultMainWindowPosition = QStringLiteral("1980,240,4710,11500");
inline const QString DefaultMainWindowMaximized = QStringLiteral("1");

enum class WindowShowState { Normal, Minimized, Maximized };

// The main window's normal placement in twips and whether it opens maximised. A
// default-constructed placement is the one used when nothing is stored.
struct WindowPlacement
{
    double Top = 1980;
    double Left = 240;
    double Height = 4710;
    double Width = 11500;
    bool Maximized = true;

    bool operator==(const WindowPlacement &) const = default;

    QRectF rect() const { return {Left, Top, Width, Height}; }

    using SettingReader = std::function<QString(const QString &key, const QString &defaultValue)>;
    using SettingWriter = std::function<void(const QString &key, const QString &value)>;

    // Reads both keys. A field that is missing from "MainWindowPosition", or is not a number,
    // keeps its value from previous.
    static WindowPlacement LoadWindowPlacement(const SettingReader &read, const WindowPlacement &previous);
    static WindowPlacement LoadWindowPlacement(const SettingReader &read);

    // Maximised: only "MainWindowMaxmized" = "1", so the stored normal placement stays as it
    // was. Otherwise "MainWindowPosition" in whole twips and "MainWindowMaxmized" = "0".
    void SaveWindowPlacement(const SettingWriter &write) const;

    // The placement after the window was seen in state with the given geometry (twips): a
    // normal window's geometry is taken, cut to whole twips; a minimised or maximised window
    // keeps the last normal placement.
    WindowPlacement RecordWindowPlacement(WindowShowState state, const QRectF &geometry) const;

    // A placement that overlaps none of the screens (twips, the primary one first) is moved
    // onto the primary screen with its size kept: centred when it fits, else at its corner.
    WindowPlacement keptOnScreen(const QList<QRectF> &screens) const;
};

QDebug operator<<(QDebug debug, const WindowPlacement &placement);
