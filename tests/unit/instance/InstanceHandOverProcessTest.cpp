// A start handed over to a running instance in another process, and what is
// left when that process is killed.
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceFolder.h"
#include "platform/instance/InstanceProtocol.h"

#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>

using namespace platform;

namespace {

// The next line the peer printed, without its line end; empty on time-out.
QByteArray nextLine(QProcess& peer, int timeoutMs = 10000) {
    QDeadlineTimer deadline(timeoutMs);
    while (!peer.canReadLine()) {
        if (deadline.hasExpired() || !peer.waitForReadyRead(int(deadline.remainingTime())))
            return {};
    }
    return peer.readLine().trimmed();
}

class InstanceHandOverProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = testenv::freshDir("instances") + "/run";
        peer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        peer.start(QStringLiteral(INSTANCE_PEER_PATH), {folder});
        ASSERT_TRUE(peer.waitForStarted(10000));
        ASSERT_EQ(nextLine(peer), "ready");
    }

    void TearDown() override {
        if (peer.state() != QProcess::NotRunning) {
            peer.kill();
            peer.waitForFinished(10000);
        }
    }

    QString folder;
    QProcess peer;
};

} // namespace

TEST_F(InstanceHandOverProcessTest, TheAddressReachesTheRunningProcess) {
    const InstanceId id = InstanceId(peer.processId());
    const InstanceClient client(folder);
    EXPECT_EQ(client.findInstance(), id);
    EXPECT_TRUE(client.isRunningInstance(id));

    const QString address = QString::fromUtf8("http://example.org/a b?q=\xC3\xA9");
    EXPECT_TRUE(client.handOver(address));
    EXPECT_EQ(nextLine(peer), "copy 0 " + instancewire::copyDataFromText(address).toHex());
    EXPECT_EQ(nextLine(peer), "navigate 0 1");

    EXPECT_TRUE(client.handOver(QString()));
    EXPECT_EQ(nextLine(peer), "navigate 0 0");
}

TEST_F(InstanceHandOverProcessTest, AKilledInstanceLeavesASocketThatIsThenRemoved) {
    const InstanceId id = InstanceId(peer.processId());
    const QString socket = InstanceFolder::socketPath(folder, id);
    peer.kill();
    ASSERT_TRUE(peer.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(socket)) << "a killed process cannot clean up";

    const InstanceClient client(folder);
    EXPECT_FALSE(client.isRunningInstance(id));
    EXPECT_FALSE(QFile::exists(socket));
    EXPECT_FALSE(client.handOver(QStringLiteral("http://example.org/")));
}

TEST_F(InstanceHandOverProcessTest, AnInstanceThatEndsRemovesItsSocket) {
    const QString socket = InstanceFolder::socketPath(folder, InstanceId(peer.processId()));
    ASSERT_TRUE(QFile::exists(socket));
    peer.closeWriteChannel();
    ASSERT_TRUE(peer.waitForFinished(10000));
    EXPECT_EQ(peer.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(socket));
}
