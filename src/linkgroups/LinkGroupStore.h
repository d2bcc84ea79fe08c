#pragma once

#include "linkgroups/LinkGroup.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTypes.h"

#include <QList>
#include <QString>

// Registry form of link groups (current user). The list lives under
// kLinkGroupsKeyPath as subkeys Group0, Group1, ... in list order; each group
// key holds "Name" (REG_SZ), "Startup" and "Separator" (REG_DWORD), and unless
// it is a separator one subkey per link, Link0, Link1, ..., each with "Name"
// and "URL" (REG_SZ). A session key uses the same layout for one group.

inline constexpr char16_t kLinkGroupsKeyPath[] =
    u"Software\\Ovrel\\Quorrelin\\Settings\\LinkGroups";

// Most links read from one group key. Far beyond any real group; it bounds what
// a damaged or hostile registry can make a load read.
inline constexpr int kMaxLinksPerGroup = 10000;

// Rewrites the whole list: deletes kLinkGroupsKeyPath and, unless groups is
// empty, writes it anew, all in one registry transaction, so other processes
// and a crash see the old list or the new one. A link key that cannot be
// created is skipped (its index stays used). Returns the first error met, or
// the commit's result.
platform::RegError SaveLinkGroups(const QList<LinkGroup>& groups,
                                  platform::Registry* registry = nullptr);

// Replaces *groups with the list in the registry: Group0 upwards, stopping at
// the first group key that does not open and after MaxLinkGroups groups.
// Missing keys give an empty list; failures are silent.
void LoadLinkGroups(QList<LinkGroup>* groups, platform::Registry* registry = nullptr);

// Writes group as the whole content of keyPath under the current user: the key
// is deleted and written anew in one transaction (so values of other names in
// it are gone too). Used for the session keys.
platform::RegError WriteLinkGroup(const QString& keyPath, const LinkGroup& group,
                                  platform::Registry* registry = nullptr);

// Reads the group stored in key into *group. Name, Startup and Separator are
// replaced; the links are appended to group's links when append is set and
// replace them otherwise. A group without a name or marked as separator gets
// no links; a link is taken only when its Name and URL are both non-empty.
// Strings are taken whole. Returns false (group untouched) when key is invalid.
bool ReadLinkGroup(const platform::RegKey& key, LinkGroup* group, bool append = false);
