#pragma once

#include "framework/CommandTarget.h"

class CBrowserView;
class CMainFrame;
class IMainFrameHost;

// The main frame's link-group commands that shape the list:
// - 32947 a new group from the active page, 33164 from the window bar's
//   context window (this one saves the settings at once);
// - 33148 all open windows as a new group;
// - 33048 + n / 33165 + n add the active / context page to group n;
// - 32802 the organize dialog, 33276 / 33277 INI import and export, 33297
//   mailing the groups.
// Page commands are enabled only with their window.
class CLinkGroupCommands : public CommandTarget {
public:
    // frame and host must outlive this.
    CLinkGroupCommands(CMainFrame& frame, IMainFrameHost& host);

private:
    void registerPageCommands();
    void registerListCommands();
    CBrowserView* contextView() const;
    void newGroupFromPage(CBrowserView* view, bool save);
    void saveAllWindows();
    void addToGroup(CBrowserView* view, int index);

    CMainFrame& m_frame;
    IMainFrameHost& m_host;
};
