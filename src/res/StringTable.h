#pragma once

#include <QString>

#include <optional>

// The program's string table: every user-visible text by its numeric id
// (messages and labels under the ids of res/StringIds.h, command prompts under
// the command ids of framework/CommandIds.h). The table is built into the
// program; lookups are cheap and safe from any thread.
namespace res {

// The text of id, or nothing when the table has no such string.
std::optional<QString> tryLoadString(unsigned id);
// The text of id, or an empty string when the table has no such string.
QString loadString(unsigned id);
// The text of id, or fallback when the table has no such string.
QString loadString(unsigned id, const QString& fallback);

// The status-bar prompt of a command: its string before the first "\n" (the
// whole string when it has none); empty when the command has no string.
QString commandPrompt(unsigned id);
// The tooltip of a command: its string after the first "\n"; empty when it has
// no "\n" or no string.
QString commandTooltip(unsigned id);
// The short name of a command (toolbar button text): the part after the first
// "\n" when that line break is at the second character or later, otherwise
// the whole string.
QString commandShortName(unsigned id);

} // namespace res
