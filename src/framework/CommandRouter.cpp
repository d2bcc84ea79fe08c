#include "framework/CommandRouter.h"

#include "framework/CommandTarget.h"

std::vector<CommandTarget*> CommandChain::targets() const {
    std::vector<CommandTarget*> result;
    result.reserve(4);
    for (CommandTarget* target : {view, childFrame, mainFrame, application})
        if (target)
            result.push_back(target);
    return result;
}

void CommandRouter::setActiveWindow(CommandTarget* view, CommandTarget* childFrame) {
    m_fixedActive = {view, childFrame};
}

CommandChain CommandRouter::chain() const {
    const ActiveWindow active = m_activeSource ? m_activeSource() : m_fixedActive;
    return {active.view, active.childFrame, m_mainFrame, m_application};
}

void CommandRouter::update(CommandState& state) const {
    const std::vector<CommandTarget*> targets = chain().targets();
    for (CommandTarget* target : targets)
        if (target->onUpdateCommand(state))
            return;
    bool handled = false;
    for (CommandTarget* target : targets)
        handled = handled || target->hasCommandHandler(state.id());
    state.enable(handled);
}

CommandState CommandRouter::stateOf(unsigned id) const {
    CommandState state(id);
    update(state);
    return state;
}

bool CommandRouter::execute(unsigned id) {
    if (!isEnabled(id))
        return false;
    return dispatch(id);
}

bool CommandRouter::dispatch(unsigned id) {
    bool executed = false;
    for (CommandTarget* target : chain().targets()) {
        // The handler may destroy this target (closing a window): touch
        // nothing of it afterwards.
        if (target->onCommand(id)) {
            executed = true;
            break;
        }
    }
    if (executed) {
        const std::vector<ExecutedListener> listeners = m_listeners;
        for (const ExecutedListener& listener : listeners)
            listener(id);
    }
    return executed;
}

void CommandRouter::addExecutedListener(ExecutedListener listener) {
    m_listeners.push_back(std::move(listener));
}
