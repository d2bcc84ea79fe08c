#include "system/DefaultBrowser.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/CommandRunner.h"
#include "system/DesktopAssociation.h"
#include "system/ProgramFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdlib>
#include <map>
#include <vector>

using namespace platform;

namespace {

const QString kProgram = QStringLiteral("/opt/Quorrelin/bin/quorrelin");

class RecordingRunner : public ICommandRunner {
public:
    struct Call {
        QString program;
        QStringList arguments;
        int timeoutMs = 0;
    };
    std::vector<Call> calls;
    int result = 0;
    // Exit codes of single programs, before result.
    std::map<QString, int> results;

    int run(const QString& program, const QStringList& arguments, int timeoutMs) override {
        calls.push_back({program, arguments, timeoutMs});
        const auto found = results.find(program);
        return found == results.end() ? result : found->second;
    }
};

QString defaultValue(const QString& path) {
    return RegKey::open(RegRoot::ClassesRoot, path).readString(QString()).value_or("<missing>");
}

QString readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(file.readAll());
}

class DefaultBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        ::setenv("XDG_DATA_HOME", testenv::freshDir("data").toLocal8Bit().constData(), 1);
    }
    QString entryPath() const { return desktopApplicationsDir() + "/quorrelin.desktop"; }

    RecordingRunner runner;
};

} // namespace

TEST_F(DefaultBrowserTest, CommandLineIsThePathAndQuotedPercentOne) {
    DefaultBrowser browser(kProgram, &runner);
    EXPECT_EQ(browser.commandLine(), "/opt/Quorrelin/bin/quorrelin \"%1\"");
    EXPECT_FALSE(browser.isDefault());
}

TEST_F(DefaultBrowserTest, MakeDefaultWritesEveryClassAndIsThenDetected) {
    DefaultBrowser browser(kProgram, &runner);
    ASSERT_TRUE(browser.makeDefault());
    for (const char* cls : {"htmlfile", "http", "https", "ftp", "gopher"}) {
        const QString shell = QString::fromLatin1(cls) + "\\shell";
        EXPECT_EQ(defaultValue(shell), "Quorrelin") << cls;
        EXPECT_EQ(defaultValue(shell + "\\Quorrelin"), "Open with Quorrelin") << cls;
        EXPECT_EQ(defaultValue(shell + "\\Quorrelin\\command"), browser.commandLine()) << cls;
    }
    EXPECT_TRUE(browser.isDefault());
    // Another program path is not us.
    EXPECT_FALSE(DefaultBrowser("/usr/bin/other", &runner).isDefault());
}

TEST_F(DefaultBrowserTest, CheckIgnoresCaseButNeedsOurVerbAsTheDefault) {
    DefaultBrowser browser(kProgram, &runner);
    RegKey::create(RegRoot::ClassesRoot, "htmlfile\\shell\\quorrelin\\command")
        .setString(QString(), browser.commandLine().toUpper());
    RegKey::create(RegRoot::ClassesRoot, "HTMLFILE\\SHELL").setString(QString(), "QUORRELIN");
    EXPECT_TRUE(browser.isDefault());

    // The command matches but the page class opens with another verb.
    RegKey::open(RegRoot::ClassesRoot, "htmlfile\\shell").setString(QString(), "opennew");
    EXPECT_FALSE(browser.isDefault());
    RegKey::open(RegRoot::ClassesRoot, "htmlfile\\shell").deleteValue(QString());
    EXPECT_FALSE(browser.isDefault());
}

TEST_F(DefaultBrowserTest, DesktopEntryIsInstalledAndMadeTheDefaultBrowser) {
    DefaultBrowser browser(kProgram, &runner);
    ASSERT_TRUE(browser.makeDefault());
    EXPECT_TRUE(browser.desktopRegistered());
    ASSERT_EQ(runner.calls.size(), 1u);
    EXPECT_EQ(runner.calls[0].program, "xdg-settings");
    EXPECT_EQ(runner.calls[0].arguments,
              (QStringList{"set", "default-web-browser", "quorrelin.desktop"}));
    EXPECT_GT(runner.calls[0].timeoutMs, 0);

    const QString entry = readFile(entryPath());
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    for (const char* line : {"Name=Quorrelin\n", "Exec=/opt/Quorrelin/bin/quorrelin %u\n",
                             "MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;\n",
                             "Categories=Network;WebBrowser;\n", "Icon="})
        EXPECT_TRUE(entry.contains(QString::fromLatin1(line))) << line;
}

TEST_F(DefaultBrowserTest, WithoutXdgSettingsTheTypesAreSetWithXdgMime) {
    runner.results["xdg-settings"] = -1; // missing, as on a bare window manager
    DefaultBrowser browser(kProgram, &runner);
    ASSERT_TRUE(browser.makeDefault());
    EXPECT_TRUE(browser.desktopRegistered());
    ASSERT_EQ(runner.calls.size(), 2u);
    EXPECT_EQ(runner.calls[1].program, "xdg-mime");
    EXPECT_EQ(runner.calls[1].arguments,
              (QStringList{"default", "quorrelin.desktop", "text/html", "x-scheme-handler/http",
                           "x-scheme-handler/https"}));
}

TEST_F(DefaultBrowserTest, AnInstalledProgramUsesTheInstalledEntry) {
    const QString prefix = testenv::freshDir("prefix");
    ASSERT_TRUE(QDir().mkpath(prefix + "/bin"));
    ASSERT_TRUE(QDir().mkpath(prefix + "/share/applications"));
    QFile installed(prefix + "/share/applications/quorrelin.desktop");
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    installed.close();

    DefaultBrowser browser(prefix + "/bin/quorrelin", &runner);
    ASSERT_TRUE(browser.makeDefault());
    EXPECT_TRUE(browser.desktopRegistered());
    // No entry of the user's own shadows the installed one.
    EXPECT_FALSE(QFile::exists(entryPath()));
    ASSERT_EQ(runner.calls.size(), 1u);
    EXPECT_EQ(runner.calls[0].arguments.last(), "quorrelin.desktop");
}

TEST_F(DefaultBrowserTest, FailingDesktopStillLeavesTheRegistryAssociation) {
    runner.result = -1; // as when xdg-mime is missing, hangs or crashes
    DefaultBrowser browser(kProgram, &runner);
    EXPECT_TRUE(browser.makeDefault());
    EXPECT_FALSE(browser.desktopRegistered());
    EXPECT_TRUE(browser.isDefault());

    // A path no desktop entry can hold: the entry is not written, xdg-mime
    // not asked, the registry part still done.
    RecordingRunner other;
    DefaultBrowser relative("bin/quorrelin", &other);
    EXPECT_TRUE(relative.makeDefault());
    EXPECT_TRUE(relative.isDefault());
    EXPECT_TRUE(other.calls.empty());
}

TEST(DesktopEntry, ExecQuotesPathsWithReservedCharacters) {
    auto execLine = [](const QString& path) {
        for (const QString& line : desktopEntryText(path).split(u'\n')) {
            if (line.startsWith("Exec="))
                return line;
        }
        return QString();
    };
    EXPECT_EQ(execLine("/opt/my apps/quorrelin"), "Exec=\"/opt/my apps/quorrelin\" %u");
    // Inside quotes: \" \$ \` \\ at the quoting level, then every backslash
    // doubled at the string level.
    EXPECT_EQ(execLine("/o/a\"b$c`d\\e"), "Exec=\"/o/a\\\\\"b\\\\$c\\\\`d\\\\\\\\e\" %u");
    EXPECT_EQ(execLine("/o/100%/q"), "Exec=/o/100%%/q %u");
    // A line break would start a new key: refused, as are relative paths.
    EXPECT_EQ(desktopEntryText("/o/a\nExec=/bin/evil"), QString());
    EXPECT_EQ(desktopEntryText("quorrelin"), QString());
}

TEST(ProcessRunner, ReportsExitCodesAndNeverWaitsPastTheTimeOut) {
    ProcessCommandRunner runner;
    EXPECT_EQ(runner.run("true", {}, 5000), 0);
    EXPECT_EQ(runner.run("sh", {"-c", "exit 3"}, 5000), 3);
    EXPECT_EQ(runner.run("quorrelin-no-such-program-xyz", {}, 5000), -1);

    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(runner.run("sleep", {"30"}, 300), -1);
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(ProgramFolders, FindCompanionsInTheBuildTreeAndInAnInstalledTree) {
    const QString build = testenv::freshDir("build") + "/src";
    ASSERT_TRUE(QDir().mkpath(build));
    const ProgramFolders inBuild(build);
    EXPECT_FALSE(inBuild.isInstalled());
    EXPECT_EQ(inBuild.pluginFolder(), build);
    EXPECT_EQ(inBuild.enginePluginFolder(), build + "/plugins");
    EXPECT_EQ(inBuild.helpFolder(), build + "/help");
    EXPECT_EQ(inBuild.installedDesktopEntry(), QString());

    const QString prefix = testenv::freshDir("usr");
    for (const char* dir : {"/bin", "/lib/quorrelin", "/share/quorrelin/help",
                            "/share/applications"})
        ASSERT_TRUE(QDir().mkpath(prefix + dir));
    QFile entry(prefix + "/share/applications/quorrelin.desktop");
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    // The folder is given with a trailing "/." as applicationDirPath may not
    // be: paths come back cleaned.
    const ProgramFolders installed(prefix + "/bin/.");
    EXPECT_TRUE(installed.isInstalled());
    EXPECT_EQ(installed.pluginFolder(), prefix + "/lib/quorrelin");
    EXPECT_EQ(installed.enginePluginFolder(), prefix + "/lib/quorrelin");
    EXPECT_EQ(installed.helpFolder(), prefix + "/share/quorrelin/help");
    EXPECT_EQ(installed.installedDesktopEntry(),
              prefix + "/share/applications/quorrelin.desktop");

    // The launcher in bin runs the program in lib/quorrelin, which finds the
    // same companions and names the launcher as the command to register.
    EXPECT_EQ(ProgramFolders::programForLauncher(prefix + "/bin"),
              prefix + "/bin/quorrelin-browser") << "not installed yet: beside it";
    for (const char* file : {"/bin/quorrelin", "/lib/quorrelin/quorrelin-browser"}) {
        QFile program(prefix + file);
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(ProgramFolders::programForLauncher(prefix + "/bin"),
              prefix + "/lib/quorrelin/quorrelin-browser");
    const ProgramFolders program(prefix + "/lib/quorrelin");
    EXPECT_TRUE(program.isInstalled());
    EXPECT_EQ(program.pluginFolder(), prefix + "/lib/quorrelin");
    EXPECT_EQ(program.helpFolder(), prefix + "/share/quorrelin/help");
    EXPECT_EQ(program.launcherPath(), prefix + "/bin/quorrelin");
    EXPECT_EQ(installed.launcherPath(), prefix + "/bin/quorrelin");
    EXPECT_EQ(inBuild.launcherPath(), build + "/quorrelin");
    EXPECT_EQ(ProgramFolders::programForLauncher(build), build + "/quorrelin-browser");
}
