#pragma once

#include "linkgroups/LinkGroupLink.h"

#include <QList>
#include <QString>

#include <cstdint>

// At most this many groups: the command ranges that open a group, add the
// current page to one and list them on the window bar each hold 100 ids.
inline constexpr int MaxLinkGroups = 100;

// The conventional name of a separator group.
inline constexpr char16_t kSeparatorGroupName[] = u"-";

// A named, ordered set of links that opens as a whole. A separator group is
// shown as a separator line in the link-group menus and keeps no links in the
// registry, whatever it holds in memory.
struct LinkGroup {
    QString Name;
    std::uint32_t Startup = 0;   // non-zero: the group opens at start-up
    std::uint32_t Separator = 0; // non-zero: a separator line, no links
    QList<LinkGroupLink> Links;

    friend bool operator==(const LinkGroup&, const LinkGroup&) = default;
};

// The index of the first group whose Name equals name ignoring case, or -1.
int FindLinkGroup(const QList<LinkGroup>& groups, const QString& name);
