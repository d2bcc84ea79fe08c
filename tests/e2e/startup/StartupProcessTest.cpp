// Whole program processes: the single-instance hand-over between two real
// starts, each with the test's private registry and runtime folder.
#include "ProgramProcess.h"
#include "app/SettingsPaths.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceFolder.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocalSocket>
#include <QProcess>

#include <memory>

using namespace platform;

namespace {

class StartupProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        // No question may wait for an answer in a whole-program test.
        qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
        settings().setDword("CheckDefaultBrowser", 0);
        settings().setDword("ConfirmExitApp", 0);
    }
    static RegKey settings() {
        return RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
    }
};

} // namespace

TEST_F(StartupProcessTest, ASecondStartHandsOverItsAddressAndExitsAtOnce) {
    ProgramProcess first;
    ASSERT_TRUE(first.waitListening());

    ProgramProcess second({"http://handed.example/"});
    ASSERT_TRUE(second.waitFinished(15000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(second.socketPath()));

    // A start without an address hands over too (the first one is shown).
    ProgramProcess third;
    ASSERT_TRUE(third.waitFinished(15000));
    EXPECT_EQ(third.exitCode(), 0);
    EXPECT_TRUE(first.running());
}

// The command that hands over is a small program of its own: loading the
// window system and the page engine would cost more than the whole hand-over.
TEST_F(StartupProcessTest, TheCommandThatHandsOverNeedsNoWindowSystemOrPageEngine) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(QUORRELIN_PROGRAM)});
    ASSERT_TRUE(ldd.waitForFinished(10000));
    const QByteArray libraries = ldd.readAllStandardOutput();
    ASSERT_TRUE(libraries.contains("libQt6Core")) << libraries.constData();
    for (const char* heavy : {"libQt6Gui", "libQt6Widgets", "libQt6WebEngineCore", "libGL"})
        EXPECT_FALSE(libraries.contains(heavy)) << heavy;
}

TEST_F(StartupProcessTest, WithMultipleInstanceEveryStartKeepsItsOwnWindow) {
    settings().setDword("MultipleInstance", 1);
    ProgramProcess first;
    ASSERT_TRUE(first.waitListening());
    ProgramProcess second({"http://own.example/"});
    ASSERT_TRUE(second.waitListening());
    EXPECT_TRUE(first.running());
    int running = 0;
    for (InstanceId id : InstanceClient().enumerate())
        running += InstanceClient().isRunningInstance(id) ? 1 : 0;
    EXPECT_EQ(running, 2);
}

TEST_F(StartupProcessTest, ADeadInstanceDoesNotStopANewStart) {
    ProgramProcess first;
    ASSERT_TRUE(first.waitListening());
    const QString stale = first.socketPath();
    first.killHard();
    ASSERT_TRUE(QFile::exists(stale)); // left behind by the killed process

    ProgramProcess second({"http://after.example/"});
    ASSERT_TRUE(second.waitListening());
    EXPECT_FALSE(QFile::exists(stale));
}

TEST_F(StartupProcessTest, APeerSendingGarbageChangesNothing) {
    ProgramProcess first;
    ASSERT_TRUE(first.waitListening());
    for (const QByteArray& junk :
         {QByteArray("GET / HTTP/1.0\r\n\r\n"), QByteArray(70000, '\xff'), QByteArray()}) {
        QLocalSocket peer;
        peer.connectToServer(first.socketPath());
        ASSERT_TRUE(peer.waitForConnected(3000));
        peer.write(junk);
        peer.waitForBytesWritten(3000);
        // Nothing comes back; the program drops the connection in time.
        EXPECT_FALSE(peer.waitForReadyRead(2500) && peer.bytesAvailable() > 0);
    }
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(InstanceClient().isRunningInstance(static_cast<InstanceId>(first.pid())));
}

TEST_F(StartupProcessTest, TerminationClosesLikeAnExitAndKeepsTheLayout) {
    settings().setDword("ConfirmExitApp", 1); // a desktop logout asks nothing
    ProgramProcess first;
    ASSERT_TRUE(first.waitListening());
    const qint64 pid = first.pid();
    first.terminate();
    ASSERT_TRUE(first.waitFinished(15000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);

    const RegKey session = RegKey::open(
        RegRoot::CurrentUser, QString::fromUtf16(kSessionsKeyPath) + "\\" + QString::number(pid));
    ASSERT_TRUE(session);
    EXPECT_EQ(session.readDword("NormalExit"), 1u);
    const auto placement = settings().readBinary("MainFramePosition");
    ASSERT_TRUE(placement);
    EXPECT_EQ(placement->size(), 44);
    EXPECT_EQ(settings().readBinary("ReBar").value_or(QByteArray()).size(), 400);
}
