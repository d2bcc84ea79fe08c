#pragma once

#include "app/SendMailRequest.h"

class ICommandRunner;

// Result codes of a mail hand-over, in the numbering of the system's simple
// mail interface.
namespace mailresult {
inline constexpr int Success = 0;
inline constexpr int UserAbort = 1;
inline constexpr int Failure = 2;
inline constexpr int LoginFailure = 3;
inline constexpr int AttachmentNotFound = 11;
inline constexpr int AttachmentOpenFailure = 12;
// No mail system at all (the mail tool is missing).
inline constexpr int NoMailSystem = -1;
} // namespace mailresult

// The mail tool: xdg-email opens the desktop's mail program with a new mail.
inline constexpr char kMailTool[] = "xdg-email";

// The result code for the mail tool's exit code (-1: it could not be
// started, crashed or was not found): 0 success; 3 (no mail program
// configured) and -1 both mean there is no mail system (-1); 2 (a file is
// missing) an attachment not found; 5 (no permission to read a file) an
// attachment that cannot be opened; any other failure a general failure.
int MailResultFromExitCode(int exitCode);

// Whether a result is reported to the user: everything but success, the
// user's own cancel and a log-on failure.
bool IsReportedMailResult(int result);

// The arguments for the mail tool: subject, body and, when the request has
// one, the attachment at attachmentFile (all texts given as UTF-8).
QStringList MailToolArguments(const SendMailRequest& request, const QString& attachmentFile);

// A file name for the attachment as the mail shows it: the request's name
// with path separators and control characters replaced by '_' and cut to
// 120 characters; empty when nothing usable is left.
QString SafeAttachmentName(const QString& name);

// The body of one mail thread: hands request to the mail tool through
// runner and waits for it (without a time-out: the tool may wait for the
// user's mail program). The attachment is offered under its display name
// when a copy by that name can be made, and the temporary attachment (and
// that copy) is deleted afterwards whatever the result. Returns the result
// code.
int RunSendMail(SendMailRequest request, ICommandRunner& runner);
