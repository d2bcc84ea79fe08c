#pragma once

#include "framework/CommandTarget.h"

#include <functional>

class CBrowserView;
class QWidget;

// The auto-refresh dialog's commands: 33161 for the active browser window,
// 33163 for the window whose tab was right-clicked. Each is enabled while
// its window exists; OK gives the window the interval and the on/off state
// (which also becomes the default interval of new windows).
class CAutoRefreshCommands : public CommandTarget {
public:
    using ViewSource = std::function<CBrowserView*()>;

    // parent owns the dialog while it runs; both sources may return null.
    CAutoRefreshCommands(QWidget* parent, ViewSource active, ViewSource context);

    // Runs the dialog for view; returns whether OK changed it.
    bool Edit(CBrowserView& view);

private:
    void registerFor(unsigned command, const ViewSource& source);

    QWidget* m_parent;
};
