#pragma once

#include "mainwin/DisplaySettings.h"

#include <QObject>

// The display settings in force for the run: loaded once at start, owned by the application and
// handed to the windows that show them. Whoever edits them announces the change, and every window
// that shows them follows `changed`.
class CurrentDisplaySettings : public QObject
{
    Q_OBJECT
public:
    explicit CurrentDisplaySettings(DisplaySettings settings = {}, QObject *parent = nullptr)
        : QObject(parent)
        , m_settings(std::move(settings))
    {
    }

    const DisplaySettings &get() const { return m_settings; }

    // For the Options dialog, and for the main window's bars and splitter positions, which only
    // it shows and which are saved at exit without being announced.
    DisplaySettings &edit() { return m_settings; }

    void announceChange() { emit changed(); }

signals:
    void changed();

private:
    DisplaySettings m_settings;
};
