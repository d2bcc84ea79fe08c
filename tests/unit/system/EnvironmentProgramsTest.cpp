#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/DefaultClient.h"
#include "system/IeSettings.h"
#include "system/PageEditors.h"
#include "system/ProgramLauncher.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Answers desktop-tool questions from a table and records what it starts.
class FakeLauncher : public IProgramLauncher {
public:
    std::optional<QString> output(const QString& program, const QStringList& arguments,
                                  int) override {
        asked << program + u' ' + arguments.join(u' ');
        return answer;
    }
    bool start(const QString& program, const QStringList& arguments) override {
        started << program + u' ' + arguments.join(u' ');
        return true;
    }
    std::optional<QString> answer;
    QStringList asked;
    QStringList started;
};

class DefaultClientTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }
    static void registerClient(const QString& kindKey, const QString& name,
                               const std::optional<QString>& command) {
        RegKey::create(RegRoot::LocalMachine, kindKey).setString(QString(), name);
        if (command)
            RegKey::create(RegRoot::LocalMachine, kindKey + u'\\' + name +
                                                      QStringLiteral("\\shell\\open\\command"))
                .setExpandString(QString(), *command);
    }
    FakeLauncher launcher;
};

void writeEntry(const QString& folder, const QString& file, const QString& body) {
    QDir().mkpath(folder);
    QFile out(folder + u'/' + file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(("[Desktop Entry]\nType=Application\n" + body).toUtf8());
}

} // namespace

TEST_F(DefaultClientTest, TheRegistryNamesTheProgramBeforeTheDesktop) {
    qputenv("QUORRELIN_TEST_MAILDIR", "/opt/mail");
    registerClient(QString::fromUtf16(kMailClientsKeyPath), "Pigeon",
                   "\"%QUORRELIN_TEST_MAILDIR%/pigeon mail\" -compose %UNSET_VARIABLE_X%");
    EXPECT_EQ(findDefaultClient(ClientKind::Mail, launcher),
              (ClientProgram{"Pigeon", "/opt/mail/pigeon mail", {"-compose", "%UNSET_VARIABLE_X%"}}));
    EXPECT_TRUE(launcher.asked.isEmpty());
    // A client named without a command line is no program; news is apart.
    registerClient(QString::fromUtf16(kNewsClientsKeyPath), "Herald", std::nullopt);
    EXPECT_EQ(findDefaultClient(ClientKind::News, launcher), std::nullopt);
}

TEST_F(DefaultClientTest, WithoutRegistryTheDesktopHandlerOpensTheScheme) {
    launcher.answer = QStringLiteral("org.example.Pigeon.desktop\n");
    EXPECT_EQ(findDefaultClient(ClientKind::News, launcher),
              (ClientProgram{"org.example.Pigeon", "xdg-open", {"news:"}}));
    EXPECT_EQ(launcher.asked, QStringList{"xdg-mime query default x-scheme-handler/news"});
    // No handler, or the tool missing or failing: no program.
    launcher.answer = QStringLiteral("\n");
    EXPECT_EQ(findDefaultClient(ClientKind::Mail, launcher), std::nullopt);
    launcher.answer.reset();
    EXPECT_EQ(findDefaultClient(ClientKind::Mail, launcher), std::nullopt);
}

TEST(EnvironmentStrings, ExpandedCommandLinesStopAt260Characters) {
    qputenv("QUORRELIN_TEST_LONG", QByteArray(300, 'a'));
    EXPECT_EQ(expandEnvironmentStrings("x %QUORRELIN_TEST_LONG% y").size(), 260);
    EXPECT_EQ(expandEnvironmentStrings("100% sure"), "100% sure");
}

TEST(PageEditorsTest, OnlyVisibleHtmlEditorsSortedAndFirstFolderWins) {
    const QString home = testenv::freshDir("apps-home");
    const QString system = testenv::freshDir("apps-system");
    writeEntry(home, "scribe.desktop",
               "Name=Scribe\nExec=scribe --new %F\nIcon=scribe\nMimeType=text/plain;text/html;\n"
               "Categories=Utility;TextEditor;\n");
    writeEntry(system, "scribe.desktop",
               "Name=Old Scribe\nExec=old\nMimeType=text/html;\nCategories=TextEditor;\n");
    writeEntry(system, "atelier.desktop",
               "Name=Atelier\nExec=atelier %u\nMimeType=text/html;\nCategories=WebDevelopment;\n");
    writeEntry(system, "viewer.desktop",
               "Name=Viewer\nExec=viewer %u\nMimeType=text/html;\nCategories=Network;WebBrowser;"
               "Development;\n");
    writeEntry(system, "hidden.desktop",
               "Name=Hidden\nExec=h\nMimeType=text/html;\nCategories=TextEditor;\nNoDisplay=true\n");
    writeEntry(system, "plain.desktop",
               "Name=Plain\nExec=p\nMimeType=text/plain;\nCategories=TextEditor;\n");
    const QList<PageEditor> editors = findPageEditors({home, system});
    ASSERT_EQ(editors.size(), 2);
    EXPECT_EQ(editors[0], (PageEditor{"Atelier", "atelier %u", QString()}));
    EXPECT_EQ(editors[1], (PageEditor{"Scribe", "scribe --new %F", "scribe"}));

    for (int i = 0; i < 12; ++i)
        writeEntry(system, QStringLiteral("e%1.desktop").arg(i, 2, 10, QLatin1Char('0')),
                   QStringLiteral("Name=E%1\nExec=e\nMimeType=text/html;\nCategories=TextEditor;\n")
                       .arg(i, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(findPageEditors({home, system}).size(), kMaxPageEditors);
}

TEST(PageEditorsTest, CommandLinesAndLocalPaths) {
    EXPECT_EQ(editorCommandLine("scribe --new %F", "/tmp/a b.htm"),
              (QStringList{"scribe", "--new", "/tmp/a b.htm"}));
    EXPECT_EQ(editorCommandLine("\"C:/Tools/ed.exe\" /edit \"%1\"", "/p.htm"),
              (QStringList{"C:/Tools/ed.exe", "/edit", "/p.htm"}));
    EXPECT_EQ(editorCommandLine("ed %i --50%% %c", "/p.htm"), (QStringList{"ed", "--50%", "/p.htm"}));
    EXPECT_EQ(editorCommandLine("ed about:blank", "/p.htm"), (QStringList{"ed", "/p.htm"}));
    EXPECT_TRUE(editorCommandLine("  ", "/p.htm").isEmpty());

    EXPECT_EQ(localPathOfAddress("file:///tmp/my%20page.htm"), "/tmp/my page.htm");
    EXPECT_EQ(localPathOfAddress("FILE:///tmp/x.html"), "/tmp/x.html");
    EXPECT_TRUE(localPathOfAddress("http://example.org/file:/x").isEmpty());
}

TEST(ProxyWrite, StoredProxyReadsBackAndPortOnlyValuesAreNotUsable) {
    testenv::useFreshRegistry();
    ASSERT_TRUE(writeProxySettings({true, "proxy.local", 3128}));
    EXPECT_EQ(readProxySettings(), (ProxySettings{true, "proxy.local", 3128}));
    EXPECT_TRUE(isUsableProxy(readProxySettings()));
    ASSERT_TRUE(writeProxySettings({false, "proxy.local", 0}));
    EXPECT_EQ(readProxySettings(), (ProxySettings{false, "proxy.local", 0}));
    EXPECT_FALSE(isUsableProxy(readProxySettings()));
    // A value that is only ":port" keeps the whole text as the host; it names
    // no server the engine could use.
    RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kInternetSettingsKeyPath))
        .setString("ProxyServer", ":8080");
    ASSERT_TRUE(writeProxySettings({true, readProxySettings().host, 0}));
    EXPECT_EQ(readProxySettings().host, ":8080");
    EXPECT_FALSE(isUsableProxy(readProxySettings()));
    ASSERT_TRUE(writeIeStartPage("http://start.example/"));
    EXPECT_EQ(readIeStartPage(), "http://start.example/");
}
