#pragma once

#include "frame/WindowBarTab.h"

#include <QString>

#include <vector>

// What the select-window dialog needs of the program: the open windows in
// tab order and a way to close several of them as one command.
class IWindowSelectionHost {
public:
    struct Window {
        TabWindow handle = nullptr;
        QString text; // the tab text
        bool locked = false;
    };

    virtual ~IWindowSelectionHost() = default;

    // The windows in tab order.
    virtual std::vector<Window> ListWindows() const = 0;
    // The index of the current tab, -1 without tabs.
    virtual int CurrentWindowIndex() const = 0;
    // Closes windows, in the order given, as one command of several closes:
    // locked windows stay open without a question. Afterwards the active
    // window's tab is current, the closed windows' tabs are gone and the tab
    // widths are fitted again. Windows that have gone already are skipped.
    virtual void CloseWindows(const std::vector<TabWindow>& windows) = 0;
};
