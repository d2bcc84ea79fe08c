#pragma once

#include "framework/CommandIds.h"
#include "framework/CommandState.h"

#include <functional>
#include <vector>

// The command and update handlers of one command target, keyed by command id
// or by a range of ids. When several entries cover an id, the one registered
// last wins, so a derived class registering after its base overrides it.
class CommandMap {
public:
    using Handler = std::function<void()>;
    using RangeHandler = std::function<void(unsigned id)>;
    // Returns false to decline: the command then travels on to the next target.
    using OptionalHandler = std::function<bool(unsigned id)>;
    using UpdateHandler = std::function<void(CommandState& state)>;

    void on(unsigned id, Handler handler);
    void onRange(cmd::CommandRange range, RangeHandler handler);
    void onOptional(unsigned id, OptionalHandler handler);
    void onOptionalRange(cmd::CommandRange range, OptionalHandler handler);
    void onUpdate(unsigned id, UpdateHandler handler);
    void onUpdateRange(cmd::CommandRange range, UpdateHandler handler);

    // Whether a command handler covers id (optional handlers count).
    bool hasCommand(unsigned id) const;
    // Runs the command handler for id. False when there is none or it declined.
    bool execute(unsigned id) const;
    bool hasUpdate(unsigned id) const;
    // Runs the update handler for state.id(). False when there is none.
    bool update(CommandState& state) const;

private:
    struct CommandEntry {
        cmd::CommandRange range;
        OptionalHandler handler;
    };
    struct UpdateEntry {
        cmd::CommandRange range;
        UpdateHandler handler;
    };
    const CommandEntry* findCommand(unsigned id) const;
    const UpdateEntry* findUpdate(unsigned id) const;

    std::vector<CommandEntry> m_commands;
    std::vector<UpdateEntry> m_updates;
};
