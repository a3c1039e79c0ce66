#pragma once

#include <QString>

// Where the main window reads the text the user is searching for, to mark it in the wrap panel.
class SearchTextSource
{
public:
    virtual ~SearchTextSource() = default;
    virtual QString searchText() const = 0;
};
