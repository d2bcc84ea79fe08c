#include "app/SendMailThread.h"

#include "system/CommandRunner.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace {

constexpr int kMaxAttachmentName = 120;

} // namespace

int MailResultFromExitCode(int exitCode) {
    switch (exitCode) {
    case 0:
        return mailresult::Success;
    case -1:
    case 3:
        return mailresult::NoMailSystem;
    case 2:
        return mailresult::AttachmentNotFound;
    case 5:
        return mailresult::AttachmentOpenFailure;
    default:
        return mailresult::Failure;
    }
}

bool IsReportedMailResult(int result) {
    return result != mailresult::Success && result != mailresult::UserAbort &&
           result != mailresult::LoginFailure;
}

QStringList MailToolArguments(const SendMailRequest& request, const QString& attachmentFile) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), request.subject,
                          QStringLiteral("--body"), request.body};
    if (!attachmentFile.isEmpty())
        arguments << QStringLiteral("--attach") << attachmentFile;
    return arguments;
}

QString SafeAttachmentName(const QString& name) {
    QString safe;
    for (QChar c : name) {
        const bool unsafe = c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7f;
        safe += unsafe ? QChar(u'_') : c;
    }
    safe = safe.left(kMaxAttachmentName).trimmed();
    if (safe == QLatin1String(".") || safe == QLatin1String(".."))
        return QString();
    return safe;
}

int RunSendMail(SendMailRequest request, ICommandRunner& runner) {
    QString attachment = request.attachmentPath;
    // The tool names an attachment by its file name, so offer a copy under
    // the name the mail is to show; the temporary name serves otherwise.
    QTemporaryDir named;
    if (!attachment.isEmpty() && named.isValid()) {
        const QString name = SafeAttachmentName(request.attachmentName);
        const QString copy = named.filePath(name);
        if (!name.isEmpty() && QFile::copy(attachment, copy))
            attachment = copy;
    }
    const int exitCode =
        runner.run(QString::fromLatin1(kMailTool), MailToolArguments(request, attachment), -1);
    if (!request.attachmentPath.isEmpty())
        QFile::remove(request.attachmentPath);
    return MailResultFromExitCode(exitCode);
}
