#pragma once

#include "framework/CommandTarget.h"
#include "system/BrowsingTraces.h"

class CMainFrame;
class IMainFrameHost;

// Command 32946: asks with dialog 178 which traces to clear, starting from
// ClearOption, and on OK clears them (see ClearBrowsingTraces) under the
// wait cursor. The history bit clears the engine profile's visited links and
// the program's visit history, the typed-address bit the address box's list
// (the box then shows the active page's address again), the temporary-files
// bit the engine's HTTP cache. Always enabled.
class CClearHistoryCommand : public CommandTarget {
public:
    // frame and host must outlive the command.
    CClearHistoryCommand(CMainFrame& frame, IMainFrameHost& host);

    // Runs the dialog and clears; returns whether the user chose OK.
    bool Run();
    // Tests put stand-ins in place of the engine's and the store's cleaners.
    BrowsingTraceCleaners& Cleaners() { return m_cleaners; }

private:
    CMainFrame& m_frame;
    IMainFrameHost& m_host;
    BrowsingTraceCleaners m_cleaners;
};
