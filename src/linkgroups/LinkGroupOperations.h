#pragma once

#include "linkgroups/LinkGroup.h"

#include <QList>
#include <QString>
#include <QStringList>

// Operations on the link-group list that need no window: the group limit,
// what opening a group opens, adding a new group under a name that may be
// taken, and the texts shown for a group.

// Whether one more group may be added (the list holds fewer than
// MaxLinkGroups). Every place that adds a group asks this first.
bool CanAddLinkGroup(const QList<LinkGroup>& groups);

// The addresses opening group opens, in link order: every non-empty URL.
// A separator group opens nothing.
QStringList LinkGroupOpenUrls(const LinkGroup& group);

// What to do when a new group's name is already taken.
enum class LinkGroupNameChoice {
    NewGroup = 0,      // append a new group with the same name
    Replace = 1,       // the existing group loses its links and gets the new ones
    AddToExisting = 2, // the new links are appended to the existing group
};

// Stores links under name: with NewGroup (or when no group of that name
// exists, ignoring case) a group with name, startup and links is appended
// when the limit allows; otherwise the first group of that name is replaced
// or extended. Returns the index of the group that got the links, or -1 when
// the list was full.
int StoreLinksAsGroup(QList<LinkGroup>* groups, const QString& name, bool startup,
                      const QList<LinkGroupLink>& links, LinkGroupNameChoice choice);

// name when no group bears it (ignoring case), else "name [n]" with the
// smallest n from 1 that no group bears.
QString UnusedLinkGroupName(const QList<LinkGroup>& groups, const QString& name);

// The link names of group joined by ", " for the status prompt: once the
// joined text reaches 60 characters it is cut to 60 followed by "...".
// Empty for a group without links.
QString LinkGroupLinkSummary(const LinkGroup& group);
