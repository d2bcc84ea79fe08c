#include "BrowserFixture.h"

#include "app/SendMailThread.h"
#include "app/SendMailThreads.h"
#include "system/CommandRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>

namespace {

// Records what the mail tool was given and whether the attachment existed
// while it ran.
class RecordingMailRunner : public ICommandRunner {
public:
    explicit RecordingMailRunner(int exitCode) : exitCode_(exitCode) {}
    int run(const QString& program, const QStringList& arguments, int timeoutMs) override {
        const std::lock_guard lock(mutex);
        this->program = program;
        this->arguments = arguments;
        timeout = timeoutMs;
        const qsizetype at = arguments.indexOf("--attach");
        if (at >= 0 && at + 1 < arguments.size()) {
            attachment = arguments[at + 1];
            QFile file(attachment);
            if (file.open(QIODevice::ReadOnly))
                attachmentContent = file.readAll();
        }
        return exitCode_;
    }
    std::mutex mutex;
    QString program;
    QStringList arguments;
    QString attachment;
    QByteArray attachmentContent;
    int timeout = 0;

private:
    int exitCode_;
};

QString writeTemp(const QString& name, const QByteArray& content) {
    const QString path = testenv::freshDir("mail") + "/" + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

class SendMail : public BrowserFixture {};

} // namespace

TEST(SendMailRules, ExitCodesMapToMailResults) {
    EXPECT_EQ(MailResultFromExitCode(0), mailresult::Success);
    EXPECT_EQ(MailResultFromExitCode(-1), mailresult::NoMailSystem);
    EXPECT_EQ(MailResultFromExitCode(3), mailresult::NoMailSystem);
    EXPECT_EQ(MailResultFromExitCode(2), mailresult::AttachmentNotFound);
    EXPECT_EQ(MailResultFromExitCode(5), mailresult::AttachmentOpenFailure);
    EXPECT_EQ(MailResultFromExitCode(4), mailresult::Failure);
    EXPECT_FALSE(IsReportedMailResult(mailresult::Success));
    EXPECT_FALSE(IsReportedMailResult(mailresult::UserAbort));
    EXPECT_FALSE(IsReportedMailResult(mailresult::LoginFailure));
    EXPECT_TRUE(IsReportedMailResult(mailresult::NoMailSystem));
    EXPECT_EQ(SafeAttachmentName("a/b\\c\n.url"), "a_b_c_.url");
    EXPECT_EQ(SafeAttachmentName(".."), "");
    EXPECT_EQ(SafeAttachmentName(QString(300, u'x')).size(), 120);
}

TEST(SendMailRules, TheAttachmentGoesUnderItsNameAndIsDeletedAfterwards) {
    const QString path = writeTemp("QRA123456.url", "[InternetShortcut]\r\nURL=http://x/\r\n");
    ASSERT_FALSE(path.isEmpty());
    RecordingMailRunner runner(0);
    const int result = RunSendMail({"Subject 主题", "http://x/", path, "My/Page.url"}, runner);
    EXPECT_EQ(result, mailresult::Success);
    EXPECT_EQ(runner.program, "xdg-email");
    EXPECT_EQ(runner.arguments.mid(0, 5),
              (QStringList{"--utf8", "--subject", "Subject 主题", "--body", "http://x/"}));
    EXPECT_EQ(QFileInfo(runner.attachment).fileName(), "My_Page.url");
    EXPECT_TRUE(runner.attachmentContent.startsWith("[InternetShortcut]"));
    EXPECT_EQ(runner.timeout, -1);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(runner.attachment));
}

TEST(SendMailRules, AMailWithoutAttachmentPassesNoAttachOption) {
    RecordingMailRunner runner(1);
    EXPECT_EQ(RunSendMail({"S", "B", "", ""}, runner), mailresult::Failure);
    EXPECT_FALSE(runner.arguments.contains("--attach"));
}

TEST_F(SendMail, AMissingMailToolShowsTheMessageAndDeletesTheAttachment) {
    // No mail tool anywhere on the search path.
    qputenv("PATH", testenv::freshDir("emptybin").toLocal8Bit());
    start();
    CBrowserView* view = open();
    engineOf(view).setLocation("http://mail.example/", "Mail me");
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    ASSERT_TRUE(app->Router().execute(cmd::SendLink));
    app->MailThreads().JoinAll();
    settle();
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_TRUE(dialogs()[0].text.endsWith("0xFFFFFFFF")) << dialogs()[0].text.toStdString();
    EXPECT_TRUE(dialogs()[0].text.startsWith(res::loadString(sid::CannotLoadMail).left(10)));
    const QStringList left = QDir(QDir::tempPath()).entryList(QStringList{"QRA*.url"}, QDir::Files);
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}

TEST_F(SendMail, SendingThePageHandsTheSavedPageToTheMailTool) {
    start();
    auto runner = std::make_shared<RecordingMailRunner>(0);
    app->MailThreads().SetRunnerFactory([runner] { return runner; });
    CBrowserView* view = open();
    engineOf(view).setLocation("http://page.example/", "The page");
    ASSERT_TRUE(view->SendPage());
    app->MailThreads().JoinAll();
    settle();
    EXPECT_TRUE(dialogs().empty());
    EXPECT_EQ(runner->arguments[2], "The page");
    EXPECT_EQ(runner->arguments[4], "http://page.example/");
    EXPECT_TRUE(engineOf(view).calls().filter("SavePage ").size() == 1);

    // A page the engine cannot save is not sent.
    engineOf(view).setSavePageResult(false);
    EXPECT_FALSE(view->SendPage());
    EXPECT_EQ(app->MailThreads().Running(), 0);
}
