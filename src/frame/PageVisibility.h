#pragma once

#include <span>
#include <vector>

// Which browser windows of the window area show their page to the user, so
// that the pages nobody can see are neither drawn nor composited.
//
// The judgement is conservative: it never calls a page hidden that may show
// some part of itself. Windows partly covered by others count as seen; only
// a maximised window covers the windows beneath it.

// How the main window stands.
enum class MainWindowShow {
    Normal,    // on the screen (normal, maximised or full screen)
    Minimized, // minimised to the task bar
    Hidden,    // hidden to the notification area, or not shown yet
};

// How one browser window stands inside the window area.
enum class ChildWindowShow {
    Normal,    // shown at its own size
    Maximized, // shown filling the window area
    Minimized, // shown as a caption only
    Hidden,    // not shown (a page's window before its first address)
};

struct ChildWindowState {
    ChildWindowShow show = ChildWindowShow::Normal;
    bool active = false; // the window area's current window
};

// Whether each window's page can be seen, for children in stacking order
// with the topmost first; the result has one entry per child, in the same
// order. Nothing can be seen while the main window is minimised or hidden.
// Otherwise a minimised or hidden window shows no page, a shown window
// beneath a shown maximised one is covered, and every other shown window
// counts as seen; the active window counts as seen whenever it is shown
// and not minimised, wherever it stands.
std::vector<bool> visiblePages(MainWindowShow main, std::span<const ChildWindowState> children);
