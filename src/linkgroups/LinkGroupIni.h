#pragma once

#include "linkgroups/LinkGroup.h"
#include "platform/ini/IniTypes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {
class IniTextReader;
}

// The INI exchange form of link groups: the line ";LinkGroups", then per
// group an empty line, "[Name]" and one "Name=URL" line per link, CR LF line
// ends and no final line break. Startup and Separator are not written; a
// separator group is its name line only ("[-]").

// Suggested name of an exported file and the attachment name of the mail.
inline constexpr char kLinkGroupsFileName[] = "LinkGroups.ini";

// The file's bytes for the groups whose flag is set (selected[i] for
// groups[i]; a missing flag counts as set).
QByteArray LinkGroupIniBytes(const QList<LinkGroup>& groups, const QList<bool>& selected = {});

// Writes those bytes to path atomically. NothingToWrite (no file) when no
// group is selected; CannotOpen when the file cannot be written.
platform::IniWriteStatus WriteLinkGroupIni(const QString& path, const QList<LinkGroup>& groups,
                                           const QList<bool>& selected = {});

// Parses the groups of a file: "[" lines up to their last "]" start a group
// ("[" lines without "]" are ignored), "Name=URL" lines (an "=" not first)
// add links to the group in progress, lines before the first group are
// ignored. A group named "-" without links becomes a separator group.
// Reading stops after MaxLinkGroups * 10 groups (a hostile file cannot make
// the list unbounded; import keeps at most MaxLinkGroups anyway).
QList<LinkGroup> ParseLinkGroupIni(platform::IniTextReader& reader);

// Reads and parses the file at path; status tells why nothing was read.
platform::IniReadStatus ReadLinkGroupIni(const QString& path, QList<LinkGroup>* parsed);

// How an import treats a group whose name exists already (ignoring case).
enum class LinkGroupImportNameMode {
    Numbered = 0,   // add it as "Name [n]"
    SameName = 1,   // add it under the same name
    AddToExisting = 2, // append its links to the first group of that name
};

struct LinkGroupImportResult {
    int count = 0;         // parsed groups handled (the leading separator not counted)
    bool listFull = false; // the group limit stopped the import
};

// Adds the selected parsed groups (selected[i] for parsed[i]; a missing flag
// counts as set) to groups: first a separator group when addSeparator is set
// and groups is not empty, then each group by mode (separator groups always
// as they are). Every group appended passes the MaxLinkGroups check; the
// first refused one ends the import.
LinkGroupImportResult ImportLinkGroups(QList<LinkGroup>* groups, const QList<LinkGroup>& parsed,
                                       const QList<bool>& selected, bool addSeparator,
                                       LinkGroupImportNameMode mode);
