#pragma once

#include "frame/WindowBarTab.h"

#include <QString>

#include <span>

// The rules for closing one browser window: whether it closes, stays or asks
// first because it is locked, and which window becomes active in its place.

struct WindowCloseRequest {
    bool mainFrameClosing = false; // the whole program is closing down
    bool multiClose = false;       // one command is closing several windows
    bool locked = false;           // the window is locked
    bool active = false;           // it is the active browser window
};

struct WindowCloseVerdict {
    enum class Action {
        Close,     // close it now
        KeepOpen,  // leave it open, without a question
        AskLocked, // ask lockedCloseQuestion first; only Yes closes it
    };
    Action action = Action::Close;
    // Before it closes (after Yes when asking), activate another window by
    // ActivateMode (nextActiveWindow).
    bool activateAnother = false;

    friend bool operator==(const WindowCloseVerdict&, const WindowCloseVerdict&) = default;
};

// While the main frame closes every window closes at once without
// activation; while several windows close in one command a locked window
// stays silently and others close without activation; otherwise a locked
// window asks first, and the active window hands activation on.
WindowCloseVerdict decideWindowClose(const WindowCloseRequest& request);

// The question for closing a locked window whose tab text is tabText (string
// 51519 with %title% filled in).
QString lockedCloseQuestion(const QString& tabText);

// ActivateMode values.
inline constexpr int kActivatePrevious = 0;
inline constexpr int kActivateNext = 1;
inline constexpr int kActivateCreationOrder = 2;

// Which window becomes active when the active window closing closes.
//
// tabOrder is the windows in tab order and currentIndex the current tab (the
// closing window's, normally); creationOrder is every open window, oldest
// first. Mode 0: the tab before the current one, or from the first tab the
// next (wrapping round); mode 1: the tab after it, or from the last tab the
// previous one; mode 2 (and any other value): the window created just
// before closing that has a tab, else the one created just after it.
// Null when there is none besides closing itself.
TabWindow nextActiveWindow(int activateMode, std::span<const TabWindow> tabOrder, int currentIndex,
                           std::span<const TabWindow> creationOrder, TabWindow closing);
