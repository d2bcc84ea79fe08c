#pragma once

#include "framework/CommandTarget.h"

class CMainFrame;
class CommandRouter;

// The Internet options command (32799): runs the dialog of the browser
// settings the engine uses, stores what OK accepted and applies the proxy
// at once. Around the dialog the address box's history is saved and read
// again (clearing the history may empty it), and the active window's
// address is shown again unless the user is typing in the box.
//
// Made with the frame: applies the stored proxy to the engine then, so the
// setting holds from start-up on. The dialog's clear-history button sends
// the clear-history command through router.
class CInternetOptionsCommand : public CommandTarget {
public:
    CInternetOptionsCommand(CMainFrame& frame, CommandRouter& router);

    // Returns whether OK was pressed.
    bool Run();

private:
    CMainFrame& m_frame;
    CommandRouter& m_router;
};
