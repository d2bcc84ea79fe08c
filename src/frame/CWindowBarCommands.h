#pragma once

#include "framework/CommandTarget.h"

class CBrowserView;
class CMainFrame;
class CWindowManager;
class IMainFrameHost;
struct WindowBarOptions;

// The window bar's commands: its place (top, bottom, hidden) and style
// (single line, fixed width, fitted width) with their check marks, and the
// tab menu's commands, which act on the window whose tab was right-clicked
// (the context window) and do nothing without one: close, close all but
// this, save as, lock, auto refresh, mailing the link or the page, back,
// forward, stop and refresh. The tab menu's commands whose dialogs do not
// exist yet are left to others and show disabled.
class CWindowBarCommands : public CommandTarget {
public:
    // All three must outlive this.
    CWindowBarCommands(CMainFrame& frame, IMainFrameHost& host, CWindowManager& windows);

    // Hands the context window to the address bar's add-to-auto-close
    // command; once the frame's bars exist.
    void attach();

private:
    void registerBarCommands();
    void registerTabCommands();
    void restyle(void (*toggle)(WindowBarOptions&));
    CBrowserView* context() const;

    CMainFrame& m_frame;
    IMainFrameHost& m_host;
    CWindowManager& m_windows;
};
