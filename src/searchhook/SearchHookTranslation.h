#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {
class Registry;
}

namespace searchhook {

// One quick command as the hook reads it (the title is not needed).
struct HookEntry {
    std::uint32_t type = 0; // 1 = search, anything else = open
    QString command;
    QString url;
};

// The quick commands the program stores, read in index order from
// Software\Ovrel\Quorrelin\Settings\QuickCommands\QuickCommand<n> until the
// first index whose key does not open. A missing title does not end the list.
std::vector<HookEntry> ReadHookEntries(platform::Registry& registry);

// Translates text: the word is the text before its first blank (the whole
// text when there is none or it comes first), matched case-sensitively
// against the commands in order. A search entry's first "%s" takes the text
// after the blank; a search entry without "%s" fails. nullopt when nothing
// translates.
std::optional<QString> TranslateHookText(const std::vector<HookEntry>& entries,
                                         const QString& text);

} // namespace searchhook
