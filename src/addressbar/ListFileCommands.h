#pragma once

#include "quickcommands/QuickCommand.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class CAppSettings;
class QAbstractItemModel;
class QWidget;

// The user's commands on the lists kept beside the address bar: the INI
// import and export of the quick commands and of the auto-close list, and
// adding a page to the auto-close list. Every file dialog and message runs
// through the DialogRunner with parent as its owner.

// Suggested names of the exported files.
inline constexpr char kQuickCommandsFileName[] = "QuickCommands.ini";
inline constexpr char kAutoCloseFileName[] = "AutoClose.ini";

// Writes commands to path; a file that cannot be written shows 51531.
bool ExportQuickCommandsToFile(QWidget* parent, const QList<QuickCommand>& commands,
                               const QString& path);

// Asks for a file and writes commands to it. An empty list only shows 51544;
// a file that cannot be written shows 51531. True when a file was written.
bool ExportQuickCommandsInteractive(QWidget* parent, const QList<QuickCommand>& commands);

// Asks for a file and appends its records to settings.QuickCommands (no
// duplicate check), then saves the settings and shows 51552 with the number
// of records. A file that cannot be read shows 51531 and changes nothing.
// Returns the number imported, or -1 when cancelled or unreadable.
int ImportQuickCommandsInteractive(QWidget* parent, CAppSettings& settings);
// The same into any list (an options page's working copy): appends the
// records to *commands, runs afterRead (when given) once the file was read,
// and shows 51552.
int ImportQuickCommandsInto(QWidget* parent, QList<QuickCommand>* commands,
                            const std::function<void()>& afterRead = {});

// Writes list to path; a file that cannot be written shows 51531.
bool ExportAutoCloseToFile(QWidget* parent, const QStringList& list, const QString& path);

// Asks for a file and writes list to it. An empty list only shows 51550.
bool ExportAutoCloseInteractive(QWidget* parent, const QStringList& list);

// Asks for a file and appends its entries to settings.AutoClose, then saves
// the settings and shows 51553 with the number of entries. A file that
// cannot be read shows 51531 and changes nothing. Returns the number
// imported, or -1 when cancelled or unreadable.
int ImportAutoCloseInteractive(QWidget* parent, CAppSettings& settings);
// The same into any list (an options page's working copy); see
// ImportQuickCommandsInto.
int ImportAutoCloseInto(QWidget* parent, QStringList* list,
                        const std::function<void()>& afterRead = {});

// Adds a page's address to the auto-close list. While ConfirmAddToAutoClose
// is set the entry dialog shows the address first (its "do not show again"
// box is stored into the option, also on Cancel) and the entry is what the
// dialog gives; otherwise message 51471 tells that the address was added.
// The list is saved. completions: addresses the dialog offers while typing
// (null: none). Returns true when the address was added: the page's window
// is then to be closed. An entry whose address is empty is never added.
bool AddPageToAutoClose(QWidget* parent, CAppSettings& settings, const QString& address,
                        QAbstractItemModel* completions = nullptr);

// Starts one mail with subject, an empty body and the file at attachmentPath
// attached under attachmentName; the mail takes the file over (deletes it
// when done). False when no mail could be started.
using ListMailer = std::function<bool(const QString& subject, const QString& attachmentPath,
                                      const QString& attachmentName)>;

// Mail the lists: an empty list shows 51544 (quick commands) or 51550
// (auto-close list); otherwise the list is written to a new temporary ".ini"
// file and mailed as "QuickCommands.ini" with the subject "Quorrelin
// QuickCommands", or as "AutoClose.ini" with "Quorrelin AutoClose List".
// Nothing happens when no temporary file can be made. True when the mail
// was started.
bool MailQuickCommands(QWidget* parent, const QList<QuickCommand>& commands,
                       const ListMailer& mailer);
bool MailAutoCloseList(QWidget* parent, const QStringList& list, const ListMailer& mailer);
