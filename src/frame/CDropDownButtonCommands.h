#pragma once

#include "framework/CommandTarget.h"

class CMainFrame;

// The toolbar buttons that only open a menu: 32793 (text size, enabled
// while a browser window is active, as its items are) and 32812 (the
// recently closed windows, always enabled). Their command opens the
// button's drop-down below it, or the same menu at the pointer when the
// button is not on the toolbar.
class CDropDownButtonCommands : public CommandTarget {
public:
    explicit CDropDownButtonCommands(CMainFrame& frame);

private:
    void open(unsigned command);

    CMainFrame& m_frame;
};
