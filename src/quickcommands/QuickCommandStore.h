#pragma once

#include "platform/registry/RegTypes.h"
#include "quickcommands/QuickCommand.h"

#include <QList>

namespace platform {
class Registry;
}

// Registry form of the quick-command list (current user), read also by the
// search hook in other processes: under kQuickCommandsKeyPath one subkey per
// record in list order, QuickCommand0, QuickCommand1, ..., each holding
// "Title" (REG_SZ), "Command" (REG_SZ), "Type" (REG_DWORD), "URL" (REG_SZ).

inline constexpr char16_t kQuickCommandsKeyPath[] =
    u"Software\\Ovrel\\Quorrelin\\Settings\\QuickCommands";

// Most records a load reads: far beyond any real list, it bounds what a
// damaged or hostile registry can make a load read.
inline constexpr int kMaxQuickCommands = 10000;

// Rewrites the whole list in one registry transaction: deletes the key and,
// unless the list is empty, writes every record anew. A record key that cannot
// be created is skipped (its index stays used). Returns the first error met,
// or the commit's result.
platform::RegError SaveQuickCommands(const QList<QuickCommand>& commands,
                                     platform::Registry* registry = nullptr);

// Replaces *commands with the list in the registry, from QuickCommand0
// upwards; stops at the first record key that does not open or whose "Title"
// is missing, unreadable or empty. Missing "Command" and "URL" read as empty,
// a missing "Type" as 0. Texts are taken whole (never cut to the entry
// limits). Failures are silent.
void LoadQuickCommands(QList<QuickCommand>* commands, platform::Registry* registry = nullptr);
