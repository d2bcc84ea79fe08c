#include "app/CQuorrelin.h"
#include "app/RegistryNotice.h"
#include "app/SessionKeyPath.h"
#include "app/SettingsPaths.h"
#include "browser/CBrowserView.h"
#include "browser/engine/ScriptedEngine.h"
#include "frame/CMainFrame.h"
#include "framework/DialogRunner.h"
#include "framework/MessageBoxStyle.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/instance/InstanceClient.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "res/StringIds.h"
#include "res/StringTable.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"
#include "system/CommandRunner.h"
#include "system/DefaultBrowser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <sys/wait.h>

#include <unistd.h>

using namespace platform;

namespace {

class RecordingRunner : public ICommandRunner {
public:
    int run(const QString& program, const QStringList& arguments, int) override {
        calls << program + " " + arguments.join(' ');
        return 0;
    }
    QStringList calls;
};

// Runs the hand-over of a later start in a child process while this one
// keeps its event loop going; returns 0 when the child's hand-over was taken.
int handOverFromChild(const QString& address) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(InstanceClient().handOver(address) ? 0 : 1);
    QElapsedTimer timer;
    timer.start();
    int status = 0;
    while (timer.elapsed() < 15000) {
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return -2;
}

RegKey settingsKey() {
    return RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        // Most cases are not about the default-browser question.
        settingsKey().setDword("CheckDefaultBrowser", 0);
        environment.engineVersion = "112.0.5615.213";
        environment.commandRunner = &runner;
        environment.programPath = "/opt/quorrelin/quorrelin";
        // Start windows open on engines without pages.
        CBrowserView::engineFactory() = [](int, QWidget*) {
            return std::make_unique<ScriptedEngine>();
        };
    }
    void TearDown() override {
        DialogRunner::instance().reset();
        CBrowserView::engineFactory() = {};
    }

    std::vector<DialogRunner::Record> dialogs() const { return DialogRunner::instance().history(); }

    RecordingRunner runner;
    CQuorrelin::Environment environment;
};

} // namespace

TEST_F(StartupTest, AnEngineOlderThanFourRefusesToStart) {
    RegKey::create(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer")
        .setString("Version", "3.02.1");
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    CQuorrelin app(environment);
    EXPECT_FALSE(app.InitInstance({}));
    EXPECT_FALSE(app.handedOver());
    EXPECT_EQ(app.MainFrame(), nullptr);
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, res::loadString(sid::EngineTooOld));
}

TEST_F(StartupTest, TheEngineVersionIsSeededOnceAndAStoredOneWins) {
    {
        CQuorrelin app(environment);
        ASSERT_TRUE(app.InitInstance({}));
        app.ExitInstance();
    }
    const RegKey ie = RegKey::open(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer");
    EXPECT_EQ(ie.readString("Version"), "112.0.5615.213");
    environment.engineVersion = "120.0";
    CQuorrelin again(environment);
    ASSERT_TRUE(again.InitInstance({}));
    EXPECT_EQ(ie.readString("Version"), "112.0.5615.213");
}

TEST_F(StartupTest, DefaultBrowserQuestionYesWithTheBoxTicked) {
    settingsKey().setDword("CheckDefaultBrowser", 1);
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES, true));
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, res::loadString(sid::NotDefaultBrowser));
    EXPECT_EQ(app.Settings().CheckDefaultBrowser, 0);
    EXPECT_TRUE(DefaultBrowser(environment.programPath, &runner).isDefault());
    ASSERT_FALSE(runner.calls.isEmpty());
    EXPECT_EQ(runner.calls.last(), "xdg-settings set default-web-browser quorrelin.desktop");

    // Saved at exit: the next start asks nothing.
    app.ExitInstance();
    CQuorrelin next(environment);
    ASSERT_TRUE(next.InitInstance({}));
    EXPECT_EQ(dialogs().size(), 1u);
}

TEST_F(StartupTest, DefaultBrowserQuestionNoKeepsAskingAndChangesNothing) {
    settingsKey().setDword("CheckDefaultBrowser", 1);
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO, false));
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_EQ(app.Settings().CheckDefaultBrowser, 1);
    EXPECT_FALSE(DefaultBrowser(environment.programPath, &runner).isDefault());
    EXPECT_TRUE(runner.calls.isEmpty());
}

TEST_F(StartupTest, NoQuestionWhenAlreadyTheDefaultBrowser) {
    settingsKey().setDword("CheckDefaultBrowser", 1);
    DefaultBrowser(environment.programPath, &runner).makeDefault();
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_TRUE(dialogs().empty());
}

TEST_F(StartupTest, StartModesGiveTheirAddresses) {
    RegKey::create(RegRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main")
        .setString("Start Page", "http://start.example/");
    CQuorrelin app(environment);
    CAppSettings& s = app.Settings();
    s.AddClosedWindow("third", "http://c.example/");
    s.AddClosedWindow("second", "http://b.example/");
    s.AddClosedWindow("first", "http://a.example/");
    s.CustomHomepage = "http://custom.example/";
    s.LinkGroups = {
        {"on", 1, 0, {{"x", "http://x.example/"}, {"y", "http://y.example/"}}},
        {"off", 0, 0, {{"z", "http://z.example/"}}},
        {"-", 1, 1, {{"sep", "http://sep.example/"}}},
        {"empty", 1, 0, {}},
        {"on2", 1, 0, {{"w", "http://w.example/"}}},
    };
    s.LastSessionGroup = {"Session", 0, 0, {{"p", "http://p.example/"}, {"q", "http://q.example/"}}};

    const auto collect = [&](int mode) {
        s.SetStartMode(mode);
        return app.CollectStartAddresses();
    };
    EXPECT_EQ(collect(0), QStringList{"about:blank"});
    s.SetOpenWindowsCount(2);
    EXPECT_EQ(collect(1), (QStringList{"http://a.example/", "http://b.example/"}));
    s.SetOpenWindowsCount(20); // more than there are entries: stops at the first empty one
    EXPECT_EQ(collect(1), (QStringList{"http://a.example/", "http://b.example/", "http://c.example/"}));
    EXPECT_EQ(collect(2), QStringList{"http://start.example/"});
    EXPECT_EQ(collect(3), QStringList{"http://custom.example/"});
    EXPECT_TRUE(collect(4).isEmpty());
    EXPECT_EQ(collect(5),
              (QStringList{"http://x.example/", "http://y.example/", "http://w.example/"}));
    EXPECT_EQ(collect(6), (QStringList{"http://p.example/", "http://q.example/"}));
}

TEST_F(StartupTest, ShellCommandAndStartListFromTheCommandLine) {
    settingsKey().setDword("StartMode", 0);
    {
        CQuorrelin app(environment);
        ASSERT_TRUE(app.InitInstance({"--some-switch", "http://arg.example/"}));
        EXPECT_EQ(app.shellCommand(), CQuorrelin::ShellCommand::Open);
        EXPECT_EQ(app.startAddresses(), QStringList{"http://arg.example/"});
        EXPECT_TRUE(app.startFromCommandLine());
        // Ended normally: the next start (same process id) finds no crash.
        app.ExitInstance();
    }
    settingsKey().setDword("StartMode", 4);
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_EQ(app.shellCommand(), CQuorrelin::ShellCommand::Nothing);
    EXPECT_TRUE(app.startAddresses().isEmpty());
}

TEST_F(StartupTest, ExitMarksAndSettingsAreWritten) {
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    const RegKey session = RegKey::open(RegRoot::CurrentUser, SessionKeyPath(0));
    ASSERT_TRUE(session);
    EXPECT_EQ(session.readDword("NormalExit"), 0u);
    EXPECT_EQ(settingsKey().readDword("LastSession"), static_cast<quint32>(MainWindowId()));
    app.Settings().SetTabWidth(150);
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(session.readDword("NormalExit"), 1u);
    EXPECT_EQ(settingsKey().readDword("TabWidth"), 150u);
}

TEST_F(StartupTest, SystemErrorsNameTheCodeInDecimalAndHex) {
    EXPECT_EQ(CQuorrelin::FormatSystemError(5), "Access is denied.\n\nError Code: 5 (0x5)");
    EXPECT_TRUE(CQuorrelin::FormatSystemError(1018).endsWith("\n\nError Code: 1018 (0x3FA)"));
    CQuorrelin app(environment);
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    app.ShowSystemError(2, nullptr);
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].title, res::loadString(sid::Error));
    EXPECT_TRUE(dialogs()[0].text.startsWith("The system cannot find the file specified."));
}

TEST_F(StartupTest, AnotherStartHandsItsAddressOverAndTheFrameShows) {
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    app.MainFrame()->showMinimized();

    // The other start is a child process (a start never talks to its own
    // window); this process serves the frame's socket meanwhile.
    EXPECT_EQ(handOverFromChild("http://handed.example/"), 0);
    EXPECT_EQ(app.receivedAddresses(), QStringList{"http://handed.example/"});
    EXPECT_FALSE(app.MainFrame()->isMinimized());

    // Without an address the running instance is only shown.
    EXPECT_EQ(handOverFromChild(QString()), 0);
    EXPECT_EQ(app.receivedAddresses().size(), 1);
}

// ---------------------------------------------------------------------------
// A registry file that cannot be used as it should

TEST_F(StartupTest, AReadOnlyRegistryStillStartsAndSaysWhatIsWrongOnce) {
    const QString path = testenv::closeDefaultRegistry();
    if (QProcess::execute("chattr", {"+i", path}) != 0)
        GTEST_SKIP() << "chattr +i is not possible here";
    Registry::reopenDefault();
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    {
        CQuorrelin app(environment);
        EXPECT_TRUE(app.InitInstance({}));
        ASSERT_EQ(dialogs().size(), 1u);
        EXPECT_EQ(dialogs()[0].text, RegistryNotice::Text(Registry::instance().openProblem()));
        EXPECT_NE(dialogs()[0].text.indexOf(path), -1);
        EXPECT_NE(dialogs()[0].text, res::loadString(sid::EngineTooOld));
        app.Settings().SetTabWidth(120);
        app.ExitInstance(); // the save fails the same way: not told again
        EXPECT_EQ(dialogs().size(), 1u);
    }
    QProcess::execute("chattr", {"-i", path});
}

TEST_F(StartupTest, ADamagedRegistryIsSalvagedAndTheUserIsToldWhereTheDamagedFileIs) {
    const QString path = testenv::closeDefaultRegistry();
    ASSERT_TRUE(testenv::overwriteTestFile(path, 4096, QByteArray(4096, '\x5a')));
    Registry::reopenDefault();
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    // The salvage may have lost the answer to the default-browser question.
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    CQuorrelin app(environment);
    EXPECT_TRUE(app.InitInstance({}));
    const RegProblem problem = Registry::instance().openProblem();
    ASSERT_FALSE(problem.keptAs.isEmpty());
    EXPECT_TRUE(QFile::exists(problem.keptAs));
    ASSERT_GE(dialogs().size(), 1u);
    EXPECT_NE(dialogs()[0].text.indexOf(problem.keptAs), -1) << dialogs()[0].text.toStdString();
    EXPECT_TRUE(Registry::instance().isWritable());
    EXPECT_EQ(settingsKey().setDword("TabWidth", 50), ERROR_SUCCESS);
}

// ---------------------------------------------------------------------------
// The splash during start-up, drawn by a stand-in painter that notes when it
// starts and what it is told.

namespace {

class SplashStartupTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        const QString dir = testenv::freshDir(QStringLiteral("splash"));
        log = dir + QStringLiteral("/log");
        environment.splashPainter = dir + QStringLiteral("/painter");
        QFile painter(environment.splashPainter);
        ASSERT_TRUE(painter.open(QIODevice::WriteOnly));
        painter.write("#!/bin/sh\necho started >> '" + log.toUtf8() + "'\ncat >> '" +
                      log.toUtf8() + "'\n");
        painter.close();
        painter.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // What the painter noted, once it holds want or after two seconds.
    QByteArray painterLog(const QByteArray& want = "close") const {
        QByteArray text;
        for (QDeadlineTimer deadline(2000); !deadline.hasExpired(); QThread::msleep(5)) {
            QFile file(log);
            if (file.open(QIODevice::ReadOnly))
                text = file.readAll();
            if (text.contains(want))
                break;
        }
        return text;
    }

    QString log;
};

} // namespace

TEST_F(SplashStartupTest, APlainStartShowsTheSplashUntilTheFirstWindowsAreOpen) {
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_FALSE(app.Splash().IsShown());
    EXPECT_EQ(painterLog(), "started\nclose\n");
    app.ExitInstance();
}

TEST_F(SplashStartupTest, AStartWithAnAddressShowsItToo) {
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({"http://arg.example/"}));
    EXPECT_EQ(painterLog(), "started\nclose\n");
    app.ExitInstance();
}

TEST_F(SplashStartupTest, DisplaySplashZeroShowsNoSplash) {
    settingsKey().setDword("DisplaySplash", 0);
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    QThread::msleep(50);
    EXPECT_FALSE(QFile::exists(log));
    app.ExitInstance();
}

TEST_F(SplashStartupTest, TheSplashClosesBeforeTheCrashQuestion) {
    const QString crashed = QString::fromUtf16(kSessionsKeyPath) + QStringLiteral("\\5000040");
    WriteLinkGroup(crashed, LinkGroup{"Session", 0, 0, {{"x", "http://x.example/"}}});
    RegKey::open(RegRoot::CurrentUser, crashed).setDword("NormalExit", 0);
    CQuorrelin* running = nullptr;
    bool shownWhileAsking = true;
    DialogRunner::instance().setUnscriptedHandler([&](const DialogRunner::Record&) {
        shownWhileAsking = running->Splash().IsShown();
        return IDNO;
    });
    CQuorrelin app(environment);
    running = &app;
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_EQ(dialogs().size(), 1u) << "the crash question";
    EXPECT_FALSE(shownWhileAsking);
    EXPECT_EQ(painterLog(), "started\nclose\n") << "told once";
    app.ExitInstance();
}
