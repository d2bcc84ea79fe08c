#pragma once

#include "framework/CommandTarget.h"

#include <QObject>

class CMainFrame;
class IMainFrameHost;

// The Go menu's windows of the past: the recently closed windows popup
// (filled each time it opens, also when the toolbar's drop-down shows it),
// reopening entry i with command 32846 + i (in the active window, or in a
// new one with OpenClosedWindowsInNewWindow or when no window is active; the
// entry stays where it is), and 33302 opening every window of the last run,
// each in a new window (enabled while there is one).
//
// Owned by the main frame, which routes its commands here; attach() once the
// frame's menus exist.
class CClosedWindowsMenu : public QObject, public CommandTarget {
    Q_OBJECT

public:
    CClosedWindowsMenu(CMainFrame& frame, IMainFrameHost& host);

    void attach();
    // Rebuilds the popup's items from the closed-windows list.
    void fill();

private:
    void reopen(unsigned id);
    void openLastSession();

    CMainFrame& m_frame;
    IMainFrameHost& m_host;
};
