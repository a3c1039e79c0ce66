#pragma once

// What the Options dialog needs of the main window.
class OptionsHost
{
public:
    virtual ~OptionsHost() = default;

    // Push the display settings onto the main window's controls.
    virtual void ApplySettings() = 0;
    // Store columns, splitters and view flags before the dialog opens.
    virtual void SaveLayoutSettings() = 0;
};
