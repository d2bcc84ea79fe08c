#pragma once

#include <QString>

// One e-mail for the mail program to open: the requester fills it, the mail
// thread owns it from then on. The attachment is a temporary file made by
// the requester; the mail thread deletes it when done.
struct SendMailRequest {
    QString subject;
    QString body;
    QString attachmentPath; // empty: no attachment
    QString attachmentName; // the name the attachment is shown under
};
