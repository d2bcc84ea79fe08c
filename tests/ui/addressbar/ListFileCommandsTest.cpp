#include "AddressBarFixture.h"

#include "addressbar/CAddressBarCommands.h"
#include "addressbar/ListFileCommands.h"
#include "browser/CAutoCloseEntryDialog.h"
#include "framework/CommandIds.h"
#include "framework/CommandRouter.h"
#include "quickcommands/QuickCommandStore.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A scripted file choice that also notes the dialog's filters and suffix.
ScriptedAnswer chooseNoting(const QString& path, QStringList* filters, QString* suffix) {
    ScriptedAnswer answer = ScriptedAnswer::file(path);
    answer.act = [filters, suffix](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        *filters = files.nameFilters();
        *suffix = files.defaultSuffix();
        return int(QDialog::Accepted);
    };
    return answer;
}

class ListFileCommandsTest : public AddressBarFixture {
protected:
    void SetUp() override {
        AddressBarFixture::SetUp();
        folder = testenv::freshDir(QStringLiteral("files"));
    }
    DialogRunner& runner() { return DialogRunner::instance(); }
    QString file(const char* name) const {
        return QDir(folder).filePath(QString::fromLatin1(name));
    }
    QString record(size_t back) const {
        const auto& history = DialogRunner::instance().history();
        return history.size() > back ? history[history.size() - 1 - back].title : QString();
    }

    QString folder;
};

QuickCommand command(int type, const char* title, const char* word, const char* url) {
    QuickCommand c;
    c.Type = type;
    c.Title = QString::fromUtf8(title);
    c.Command = QString::fromUtf8(word);
    c.URL = QString::fromUtf8(url);
    return c;
}

TEST_F(ListFileCommandsTest, QuickCommandExportWritesTheFileExactly) {
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(ExportQuickCommandsInteractive(nullptr, {}));
    EXPECT_EQ(lastMessage(), QStringLiteral("没有定义的快速命令."));
    EXPECT_EQ(runner().history().size(), 1u); // no file dialog

    const QList<QuickCommand> commands{command(1, "Search", "gs", "http://s.example/?q=%s"),
                                       command(0, "News", "cnn", "http://news.example/")};
    QStringList filters;
    QString suffix;
    runner().push(chooseNoting(file("qc.ini"), &filters, &suffix));
    EXPECT_TRUE(ExportQuickCommandsInteractive(nullptr, commands));
    EXPECT_EQ(record(0), QStringLiteral("导出快速命令"));
    EXPECT_EQ(filters, QStringList{"QuickCommands File(*.ini)"});
    EXPECT_EQ(suffix, QStringLiteral("ini"));
    EXPECT_EQ(readFile(file("qc.ini")),
              QByteArray(";QuickCommands\r\n\r\n[Search]\r\nCommand=gs\r\nType=1\r\n"
                         "URL=http://s.example/?q=%s\r\n\r\n[News]\r\nCommand=cnn\r\nType=0\r\n"
                         "URL=http://news.example/"));

    // A file that cannot be written.
    const QString blocked = file("no-such-folder/qc.ini");
    runner().push(ScriptedAnswer::file(blocked));
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(ExportQuickCommandsInteractive(nullptr, commands));
    EXPECT_EQ(lastMessage(), QStringLiteral("Quorrelin 无法打开文件 \"%1\" 。").arg(blocked));
}

TEST_F(ListFileCommandsTest, QuickCommandImportAppendsSavesAndCounts) {
    owner->settings.QuickCommands = {command(0, "Old", "old", "http://old.example/")};
    writeFile(file("in.ini"), ";QuickCommands\r\n[Search]\r\nCommand=gs\r\nType=1\r\n"
                              "URL=http://s.example/?q=%s\r\n[Open\r\n[News]\r\nURL=http://n/\r\n");
    QStringList filters;
    QString suffix;
    runner().push(chooseNoting(file("in.ini"), &filters, &suffix));
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_EQ(ImportQuickCommandsInteractive(nullptr, owner->settings), 2);
    EXPECT_EQ(record(1), QStringLiteral("导入快速命令"));
    EXPECT_EQ(filters, QStringList{"QuickCommands Files(*.ini)"});
    EXPECT_EQ(lastMessage(), QStringLiteral("2 快速命令已被导入。"));
    ASSERT_EQ(owner->settings.QuickCommands.size(), 3);
    EXPECT_EQ(owner->settings.QuickCommands[1],
              command(1, "Search", "gs", "http://s.example/?q=%s"));
    EXPECT_EQ(owner->settings.QuickCommands[2], command(0, "News", "", "http://n/"));

    // Saved: the search hook's copy in the registry has all three.
    QList<QuickCommand> stored;
    LoadQuickCommands(&stored);
    EXPECT_EQ(stored, owner->settings.QuickCommands);
}

TEST_F(ListFileCommandsTest, ImportOfAnUnreadableFileChangesNothing) {
    owner->settings.QuickCommands = {command(0, "Old", "old", "http://old.example/")};
    owner->settings.AutoClose = {QStringLiteral("http://kept.example/")};
    const QString missing = file("missing.ini");
    runner().push(ScriptedAnswer::file(missing));
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_EQ(ImportQuickCommandsInteractive(nullptr, owner->settings), -1);
    EXPECT_EQ(lastMessage(), QStringLiteral("Quorrelin 无法打开文件 \"%1\" 。").arg(missing));
    EXPECT_EQ(owner->settings.QuickCommands.size(), 1);

    writeFile(file("binary.ini"), QByteArray("Address=a\0b", 11));
    runner().push(ScriptedAnswer::file(file("binary.ini")));
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_EQ(ImportAutoCloseInteractive(nullptr, owner->settings), -1);
    EXPECT_EQ(owner->settings.AutoClose, QStringList{"http://kept.example/"});

    runner().push(ScriptedAnswer::cancelFile());
    EXPECT_EQ(ImportAutoCloseInteractive(nullptr, owner->settings), -1);
}

TEST_F(ListFileCommandsTest, AutoCloseExportAndImportGoThroughTheirDialogs) {
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(ExportAutoCloseInteractive(nullptr, {}));
    EXPECT_EQ(lastMessage(), QStringLiteral("自动关闭列表中没有地址。"));

    QStringList filters;
    QString suffix;
    runner().push(chooseNoting(file("ac.ini"), &filters, &suffix));
    EXPECT_TRUE(ExportAutoCloseInteractive(
        nullptr, {QStringLiteral("!http://a.example/*"), QStringLiteral("http://b.example/")}));
    EXPECT_EQ(record(0), QStringLiteral("导出自动关闭列表"));
    EXPECT_EQ(filters, (QStringList{"AutoClose List Files(*.ini)", "All Files(*.*)"}));
    EXPECT_EQ(readFile(file("ac.ini")),
              QByteArray(";AutoClost List\r\nAddress=!http://a.example/*\r\n"
                         "Address=http://b.example/"));

    writeFile(file("in.ini"), ";AutoClost List\r\n[Section]\r\nAddress=http://c.example/\r\n"
                              "Other=http://d.example/\r\n=http://e.example/\r\n");
    runner().push(ScriptedAnswer::file(file("in.ini")));
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_EQ(ImportAutoCloseInteractive(nullptr, owner->settings), 2);
    EXPECT_EQ(record(1), QStringLiteral("导入自动关闭列表"));
    EXPECT_EQ(lastMessage(), QStringLiteral("2 自动关闭地址已被导入。"));
    EXPECT_EQ(owner->settings.AutoClose, (QStringList{"http://c.example/", "http://d.example/"}));
    CAppSettings reloaded;
    reloaded.Load();
    EXPECT_EQ(reloaded.AutoClose, owner->settings.AutoClose);
}

TEST_F(ListFileCommandsTest, AddingWithoutTheDialogReplacesTheEntryAndTells) {
    owner->settings.ConfirmAddToAutoClose = 0;
    owner->settings.AutoClose = {QStringLiteral("!HTTP://POP.example/"),
                                 QStringLiteral("http://other.example/")};
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_TRUE(
        AddPageToAutoClose(nullptr, owner->settings, QStringLiteral("http://pop.example/")));
    EXPECT_EQ(lastMessage(),
              QStringLiteral("\"http://pop.example/\"已经成功添加到自动关闭列表中。"));
    EXPECT_EQ(owner->settings.AutoClose,
              (QStringList{"http://other.example/", "http://pop.example/"}));
    CAppSettings reloaded;
    reloaded.Load();
    EXPECT_EQ(reloaded.AutoClose, owner->settings.AutoClose);

    // A window without an address adds nothing and says nothing.
    EXPECT_FALSE(AddPageToAutoClose(nullptr, owner->settings, QString()));
}

TEST_F(ListFileCommandsTest, AddingThroughTheDialogTakesItsEntryAndStoresTheShowAgainBox) {
    owner->settings.ConfirmAddToAutoClose = 1;
    ScriptedAnswer edit = ScriptedAnswer::acting([](QDialog& d) {
        auto& dialog = static_cast<CAutoCloseEntryDialog&>(d);
        EXPECT_EQ(dialog.AddressEdit()->text(), QStringLiteral("http://pop.example/page"));
        EXPECT_FALSE(dialog.DontShowBox()->isHidden());
        dialog.AddressEdit()->setText(QStringLiteral("http://pop.example/"));
        dialog.WildcardBox()->click();
        dialog.DontShowBox()->setChecked(true);
        dialog.accept();
        return dialog.result();
    });
    runner().push(edit);
    EXPECT_TRUE(
        AddPageToAutoClose(nullptr, owner->settings, QStringLiteral("http://pop.example/page")));
    EXPECT_EQ(owner->settings.AutoClose, QStringList{"http://pop.example/*"});
    EXPECT_EQ(owner->settings.ConfirmAddToAutoClose, 0);
    EXPECT_EQ(runner().history().size(), 1u); // no message after the dialog

    // Cancel adds nothing, and the box counts all the same.
    owner->settings.ConfirmAddToAutoClose = 1;
    runner().push(ScriptedAnswer::button(IDCANCEL, true));
    EXPECT_FALSE(AddPageToAutoClose(nullptr, owner->settings, QStringLiteral("http://x.example/")));
    EXPECT_EQ(owner->settings.AutoClose.size(), 1);
    EXPECT_EQ(owner->settings.ConfirmAddToAutoClose, 0);
    CAppSettings reloaded;
    reloaded.Load();
    EXPECT_EQ(reloaded.ConfirmAddToAutoClose, 0);
}

TEST_F(ListFileCommandsTest, TheAddCommandClosesTheWindowOnlyWhenTheAddressWasAdded) {
    owner->settings.ConfirmAddToAutoClose = 1;
    CAddressBar& bar = makeBar();
    int closes = 0;
    std::optional<CAddressBarCommands::Page> page;
    CAddressBarCommands commands(bar, owner->settings, [&page] { return page; });
    CommandRouter router;
    router.setMainFrame(&commands);
    EXPECT_FALSE(router.execute(cmd::AddToAutoClose)); // no window: disabled

    page =
        CAddressBarCommands::Page{QStringLiteral("http://pop.example/"), [&closes] { ++closes; }};
    runner().push(ScriptedAnswer::button(IDCANCEL));
    EXPECT_TRUE(router.execute(cmd::AddToAutoClose));
    EXPECT_EQ(closes, 0);
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_TRUE(router.execute(cmd::AddToAutoClose));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(owner->settings.AutoClose, QStringList{"http://pop.example/"});

    // The window bar's context window, once a source is given.
    EXPECT_FALSE(router.isEnabled(cmd::TabAddToAutoClose));
    commands.SetContextPageSource([&closes]() -> std::optional<CAddressBarCommands::Page> {
        return CAddressBarCommands::Page{QStringLiteral("http://tab.example/"),
                                         [&closes] { closes += 10; }};
    });
    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_TRUE(router.execute(cmd::TabAddToAutoClose));
    EXPECT_EQ(closes, 11);
}

TEST_F(ListFileCommandsTest, MailingAListHandsOverATemporaryCopyOfTheExport) {
    struct Mail {
        QString subject, name;
        QByteArray content;
    };
    std::vector<Mail> mails;
    QString lastPath;
    bool started = true;
    const ListMailer mailer = [&](const QString& subject, const QString& path,
                                  const QString& name) {
        mails.push_back({subject, name, readFile(path)});
        lastPath = path;
        return started;
    };
    EXPECT_TRUE(MailQuickCommands(nullptr, {command(0, "News", "cnn", "http://n/")}, mailer));
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].subject, QStringLiteral("Quorrelin QuickCommands"));
    EXPECT_EQ(mails[0].name, QStringLiteral("QuickCommands.ini"));
    EXPECT_EQ(mails[0].content,
              QByteArray(";QuickCommands\r\n\r\n[News]\r\nCommand=cnn\r\nType=0\r\nURL=http://n/"));
    EXPECT_TRUE(lastPath.endsWith(QStringLiteral(".ini")));

    // A mail that cannot start leaves no file behind.
    started = false;
    EXPECT_FALSE(MailAutoCloseList(nullptr, {QStringLiteral("http://a/")}, mailer));
    EXPECT_EQ(mails.back().subject, QStringLiteral("Quorrelin AutoClose List"));
    EXPECT_EQ(mails.back().name, QStringLiteral("AutoClose.ini"));
    EXPECT_EQ(mails.back().content, QByteArray(";AutoClost List\r\nAddress=http://a/"));
    EXPECT_FALSE(QFile::exists(lastPath));

    runner().push(ScriptedAnswer::button(IDOK));
    EXPECT_FALSE(MailAutoCloseList(nullptr, {}, mailer));
    EXPECT_EQ(lastMessage(), QStringLiteral("自动关闭列表中没有地址。"));
    EXPECT_EQ(mails.size(), 2u);

    // The commands wait for a mailer.
    CAddressBar& bar = makeBar();
    CAddressBarCommands commands(bar, owner->settings, {});
    CommandRouter router;
    router.setMainFrame(&commands);
    EXPECT_FALSE(router.isEnabled(cmd::SendQuickCommands));
    commands.SetListMailer(mailer);
    owner->settings.AutoClose = {QStringLiteral("http://b/")};
    EXPECT_TRUE(router.execute(cmd::SendAutoClose));
    EXPECT_EQ(mails.back().content, QByteArray(";AutoClost List\r\nAddress=http://b/"));
}

} // namespace
