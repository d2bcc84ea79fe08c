#pragma once

#include "quickcommands/QuickCommand.h"

#include <QList>
#include <QString>

#include <optional>

// Turns text typed in the address bar into the URL of a quick command.
//
// The text is trimmed of white space at both ends and split at its first
// blank (U+0020 only): the word before it, the argument after it (inner
// blanks kept). The first command in list order whose word equals the typed
// word ignoring case gives the result: its URL as it stands, and for search
// commands (Type 1) with every "%s" replaced by the argument, without any
// escaping or encoding; an empty argument removes the "%s". The argument of
// other commands is dropped.
//
// nullopt when the list is empty, the text is blank, or no command matches.
std::optional<QString> TranslateQuickCommand(const QList<QuickCommand>& commands,
                                             const QString& text);

// Whether some record's Command equals command ignoring case, leaving out
// records whose Command is exactly except (case-sensitive) when except is
// not empty, so an edited record may keep its own word.
bool IsQuickCommandInUse(const QList<QuickCommand>& commands, const QString& command,
                         const QString& except = QString());
