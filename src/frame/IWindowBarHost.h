#pragma once

#include "frame/WindowBarMouse.h"
#include "frame/WindowBarTab.h"

#include <QPoint>
#include <QString>

// What the window bar asks of the program when the user acts on a tab. The
// bar only knows windows by their handles; the program finds the browser
// window behind one. Every call may be given a window that has gone in the
// meantime: the program then does nothing.
class IWindowBarHost {
public:
    virtual ~IWindowBarHost() = default;

    // Brings window to the front: refreshes its title and activates its
    // child frame, shown as show says.
    virtual void ActivateTabWindow(TabWindow window, TabShowCommand show) = 0;
    // Closes window the way the user's close does (a locked window asks).
    virtual void CloseTabWindow(TabWindow window) = 0;
    // Shows the tab context menu for window at globalPos and returns once it
    // has closed (its command may already have run).
    virtual void ShowTabMenu(TabWindow window, const QPoint& globalPos) = 0;
    // The document title of window, for the tab's tooltip.
    virtual QString TabWindowTitle(TabWindow window) const = 0;
    // Whether the active child window is maximised.
    virtual bool IsActiveChildMaximized() const = 0;
};
