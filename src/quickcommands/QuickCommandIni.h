#pragma once

#include "platform/ini/IniTypes.h"
#include "quickcommands/QuickCommand.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {
class IniTextReader;
}

// The INI exchange file of the quick-command list. The file is the line
// ";QuickCommands" and, per record in list order, an empty line and the four
// lines "[Title]", "Command=...", "Type=<decimal>", "URL=...". Lines end in
// CR LF, and the file ends right after the last line's text. Texts are UTF-8.

// The file's bytes for commands. A line break or NUL inside a text cannot be
// kept in one line: NUL is dropped, CR and LF are written as blanks.
QByteArray QuickCommandIniBytes(const QList<QuickCommand>& commands);

// Writes the file (atomically). An empty list writes nothing and gives
// NothingToWrite; a file that cannot be written gives CannotOpen.
platform::IniWriteStatus WriteQuickCommandIni(const QString& path,
                                              const QList<QuickCommand>& commands);

// Appends the records of the file at path to *commands (no duplicate check)
// and tells how many. A file that cannot be read leaves *commands unchanged.
platform::IniImportResult ReadQuickCommandIni(const QString& path, QList<QuickCommand>* commands);

// The parsing of ReadQuickCommandIni over the lines of an opened reader:
// - a line starting with '[' and holding a ']' ends the record in progress and
//   starts a new one of Type 0 whose Title is the line without its first and
//   last character; a '[' line without ']' is ignored;
// - inside a record, "key=value" lines (the '=' not first) with the keys
//   Command, Type and URL (ignoring case, not trimmed) set those fields; Type
//   takes the value's leading decimal number, 0 when there is none; other
//   lines, and lines before the first record, are ignored.
// Records are brought within the entry limits (longer texts are cut) so that
// they load again from the registry; a record with an empty Title is left
// out, since the registry form ends its list at such a record. Once the list
// holds kMaxQuickCommands records, further records are left out (listFull).
platform::IniImportResult ParseQuickCommandIni(platform::IniTextReader& reader,
                                               QList<QuickCommand>* commands);
