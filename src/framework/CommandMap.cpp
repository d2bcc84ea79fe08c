#include "framework/CommandMap.h"

#include <utility>

void CommandMap::on(unsigned id, Handler handler) {
    m_commands.push_back({{id, id}, [h = std::move(handler)](unsigned) {
                              h();
                              return true;
                          }});
}

void CommandMap::onRange(cmd::CommandRange range, RangeHandler handler) {
    m_commands.push_back({range, [h = std::move(handler)](unsigned id) {
                              h(id);
                              return true;
                          }});
}

void CommandMap::onOptional(unsigned id, OptionalHandler handler) {
    m_commands.push_back({{id, id}, std::move(handler)});
}

void CommandMap::onOptionalRange(cmd::CommandRange range, OptionalHandler handler) {
    m_commands.push_back({range, std::move(handler)});
}

void CommandMap::onUpdate(unsigned id, UpdateHandler handler) {
    m_updates.push_back({{id, id}, std::move(handler)});
}

void CommandMap::onUpdateRange(cmd::CommandRange range, UpdateHandler handler) {
    m_updates.push_back({range, std::move(handler)});
}

const CommandMap::CommandEntry* CommandMap::findCommand(unsigned id) const {
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
        if (it->range.contains(id))
            return &*it;
    return nullptr;
}

const CommandMap::UpdateEntry* CommandMap::findUpdate(unsigned id) const {
    for (auto it = m_updates.rbegin(); it != m_updates.rend(); ++it)
        if (it->range.contains(id))
            return &*it;
    return nullptr;
}

bool CommandMap::hasCommand(unsigned id) const {
    return findCommand(id) != nullptr;
}

bool CommandMap::execute(unsigned id) const {
    const CommandEntry* entry = findCommand(id);
    if (!entry)
        return false;
    // Copy the handler: it may destroy the object that owns this map.
    const OptionalHandler handler = entry->handler;
    return handler(id);
}

bool CommandMap::hasUpdate(unsigned id) const {
    return findUpdate(id) != nullptr;
}

bool CommandMap::update(CommandState& state) const {
    const UpdateEntry* entry = findUpdate(state.id());
    if (!entry)
        return false;
    entry->handler(state);
    return true;
}
