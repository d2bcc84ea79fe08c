#pragma once

#include <span>

// One text of the string table: its id and its UTF-8 text. The tables are
// plain data; StringTable.h is the way to read them.
namespace res::detail {

struct StringEntry {
    unsigned id;
    const char* text;
};

// Messages, labels and the product's texts.
std::span<const StringEntry> messageEntries();
// Command prompts: status-bar prompt, then "\n" and the tooltip.
std::span<const StringEntry> promptEntries();

} // namespace res::detail
