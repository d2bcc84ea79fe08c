#pragma once

#include "framework/CommandState.h"

#include <array>
#include <functional>
#include <vector>

class CommandTarget;

// The targets a command visits, in this order: the active browser view, the
// active child frame, the main frame, the application. Any of them may be
// missing (no window open, no frame yet).
struct CommandChain {
    CommandTarget* view = nullptr;
    CommandTarget* childFrame = nullptr;
    CommandTarget* mainFrame = nullptr;
    CommandTarget* application = nullptr;

    // The present targets in routing order.
    std::vector<CommandTarget*> targets() const;
};

// Routes commands and their update requests along the CommandChain.
//
// Executing: the first target whose handler takes the id runs it. A command
// whose current state is disabled is not executed (menus, toolbars and
// accelerators all go through here, so a stale button cannot run a command
// that its update handler has switched off).
//
// Updating: the first target with an update handler for the id fills the
// state. When no target has one, the state is enabled exactly when some
// target has a command handler for the id; so an id nobody handles shows
// disabled.
//
// The router must outlive every command it executes (the application owns
// it). The router does not own the targets. The application and the main frame are
// set once; the active view and child frame change with activation and are
// asked from the active-window source at every routing, so the router never
// keeps a pointer to a window that has gone.
class CommandRouter {
public:
    struct ActiveWindow {
        CommandTarget* view = nullptr;
        CommandTarget* childFrame = nullptr;
    };
    using ActiveWindowSource = std::function<ActiveWindow()>;
    using ExecutedListener = std::function<void(unsigned id)>;

    void setApplication(CommandTarget* application) { m_application = application; }
    void setMainFrame(CommandTarget* mainFrame) { m_mainFrame = mainFrame; }
    void setActiveWindowSource(ActiveWindowSource source) { m_activeSource = std::move(source); }
    // For tests and simple windows: a fixed active view and child frame (used
    // when no active-window source is set).
    void setActiveWindow(CommandTarget* view, CommandTarget* childFrame);

    CommandChain chain() const;

    // Fills state through the chain (see class comment).
    void update(CommandState& state) const;
    CommandState stateOf(unsigned id) const;
    bool isEnabled(unsigned id) const { return stateOf(id).isEnabled(); }

    // Executes id when it is enabled. Returns true when a target ran it.
    bool execute(unsigned id);
    // Executes id without asking its state first (for commands posted by
    // program code, which has decided already).
    bool dispatch(unsigned id);

    // Called after every executed command (the idle updater listens here).
    void addExecutedListener(ExecutedListener listener);

private:
    CommandTarget* m_application = nullptr;
    CommandTarget* m_mainFrame = nullptr;
    ActiveWindow m_fixedActive;
    ActiveWindowSource m_activeSource;
    std::vector<ExecutedListener> m_listeners;
};
