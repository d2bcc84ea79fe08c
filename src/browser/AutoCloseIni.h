#pragma once

#include "platform/ini/IniTypes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {
class IniTextReader;
}

// The INI exchange file of the auto-close list: the header line
// ";AutoClost List" (spelled so, other installations look for it) and one
// line "Address=<entry>" per entry in list order, each entry exactly as
// stored ('!' and '*' included). No section lines; lines end in CR LF and the
// file ends right after the last line's text. Texts are UTF-8.

// The file's bytes for list. A line break or NUL inside an entry cannot be
// kept in one line: NUL is dropped, CR and LF are written as blanks.
QByteArray AutoCloseIniBytes(const QStringList& list);

// Writes the file (atomically). An empty list writes nothing and gives
// NothingToWrite; a file that cannot be written gives CannotOpen.
platform::IniWriteStatus WriteAutoCloseIni(const QString& path, const QStringList& list);

// Appends the entries of the file at path to *list (no duplicate check) and
// tells how many. A file that cannot be read leaves *list unchanged.
platform::IniImportResult ReadAutoCloseIni(const QString& path, QStringList* list);

// The parsing of ReadAutoCloseIni over the lines of an opened reader: every
// line with an '=' that is not its first character gives one entry, the text
// after the first '=' (any key name is taken; an empty value gives an empty
// entry). Other lines are ignored. Once the list holds kMaxStringListValues
// entries (as many as a load reads back from the registry), further entries
// are left out (listFull).
platform::IniImportResult ParseAutoCloseIni(platform::IniTextReader& reader, QStringList* list);
