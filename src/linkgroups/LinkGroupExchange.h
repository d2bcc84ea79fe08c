#pragma once

#include "linkgroups/LinkGroup.h"

#include <QList>
#include <QString>

#include <functional>

class CAppSettings;
class QWidget;

// The user's INI exchange of link groups, with the file dialogs' options
// panels (200 export, 201 import). Every dialog and message runs through
// the DialogRunner, owned by parent. The panels' options are kept while
// the program runs (not saved).

// Export (33277): without groups only 51529. The save dialog offers all or
// chosen groups; OK with none chosen shows 51530 and asks again. A file
// that cannot be written shows 51531. True when a file was written.
bool ExportLinkGroupsInteractive(QWidget* parent, const QList<LinkGroup>& groups);

// Import (33276): an unreadable file shows 51531, a file without groups
// 51529; the select-group dialog (when chosen) may cancel it all. The
// groups are added by the panel's options (51516 when the list fills up),
// the settings saved, and 51551 tells the number. Returns that number, or
// -1 when nothing was imported.
int ImportLinkGroupsInteractive(QWidget* parent, CAppSettings& settings);

// Mailing the groups (33297): 51529 when there are none; otherwise all of
// them written to a new temporary ".ini" file, mailed as "LinkGroups.ini"
// with the subject "Quorrelin LinkGroups". mailer takes the file over.
using LinkGroupMailer = std::function<bool(const QString& subject, const QString& attachmentPath,
                                           const QString& attachmentName)>;
bool MailLinkGroups(QWidget* parent, const QList<LinkGroup>& groups, const LinkGroupMailer& mailer);

// Puts the panels' options back to their first state (a new run; tests).
void ResetLinkGroupExchangeOptions();
