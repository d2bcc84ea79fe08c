#pragma once

#include "linkgroups/LinkGroup.h"

#include <QList>
#include <QString>

class CAppSettings;
class QWidget;

// The user's operations on the link groups that run dialogs. Every dialog
// and message runs through the DialogRunner owned by parent. Each returns
// true when the list changed.

// The group limit as every adding place checks it: false after showing
// 51516 (warning icon) when the list is full.
bool CheckLinkGroupLimit(QWidget* parent, const QList<LinkGroup>& groups);

// A new group holding one page (dialog 194): a new group, or, for a name
// already taken, the page replaces or joins that group's links as the
// duplicate-name dialog chose. The list is not saved.
bool AddPageToNewLinkGroup(QWidget* parent, CAppSettings& settings, const QString& title,
                           const QString& url);

// Every open window as a new group (dialog 191 for a new group): links is
// one link per window. A taken name may replace or join the existing group
// instead. The settings are saved.
bool SaveLinksAsNewLinkGroup(QWidget* parent, CAppSettings& settings,
                             const QList<LinkGroupLink>& links);

// Appends a page to group index after the link dialog (192) preset with its
// title and URL; nothing for an index outside the list or a separator
// group. The settings are saved.
bool AddPageToLinkGroup(QWidget* parent, CAppSettings& settings, int index, const QString& title,
                        const QString& url);
