#pragma once

#include "framework/CommandMap.h"

// Something that handles commands: a browser view, a child frame, the main
// frame, the application, or any helper they delegate to. The default
// behaviour looks the id up in the target's own CommandMap; a target can
// override the virtual functions to route further (for example to a bar it
// owns).
class CommandTarget {
public:
    CommandTarget() = default;
    CommandTarget(const CommandTarget&) = delete;
    CommandTarget& operator=(const CommandTarget&) = delete;
    virtual ~CommandTarget() = default;

    // Executes command id. Returns false when this target does not handle it
    // (or its optional handler declined), so routing goes on.
    virtual bool onCommand(unsigned id) { return m_commands.execute(id); }
    // Fills the state of state.id() when this target has an update handler
    // for it; returns false otherwise.
    virtual bool onUpdateCommand(CommandState& state) { return m_commands.update(state); }
    // Whether this target has a command handler for id.
    virtual bool hasCommandHandler(unsigned id) const { return m_commands.hasCommand(id); }

    // The handlers of this target; register them in the constructor.
    CommandMap& commands() { return m_commands; }
    const CommandMap& commands() const { return m_commands; }

private:
    CommandMap m_commands;
};
