// A server on the test's main thread, spoken to by the blocking client (or by
// raw sockets playing bad peers) from other threads.
#include "platform/instance/InstanceServer.h"
#include "platform/instance/InstanceClient.h"
#include "platform/instance/InstanceFolder.h"

#include "InstanceTestSupport.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

using namespace platform;
using namespace instancetest;

namespace {

// Ids above the largest process id Linux hands out: never a live process.
constexpr InstanceId kFirst = 5000001;
constexpr InstanceId kSecond = 5000002;
constexpr InstanceId kNoProcess = 5999999;

class InstanceServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = testenv::freshDir("instances") + "/run";
        ASSERT_TRUE(InstanceFolder::ensure(folder));
    }

    std::unique_ptr<InstanceServer> startServer(InstanceId id) {
        auto server = std::make_unique<InstanceServer>(id);
        QString error;
        EXPECT_TRUE(server->listen(folder, &error)) << error.toStdString();
        return server;
    }

    InstanceClient client() const { return InstanceClient(folder); }
    QString socketOf(InstanceId id) const { return InstanceFolder::socketPath(folder, id); }

    QString folder;
};

// Records what reaches the handlers of a server, in order.
struct HandlerLog {
    QStringList events;
    QByteArray lastData;
    quint64 copyResult = 1;

    void attach(InstanceServer& server) {
        server.setCopyDataHandler([this](quint64 tag, const QByteArray& data) {
            events << QStringLiteral("copy %1").arg(tag);
            lastData = data;
            return copyResult;
        });
        server.setNavigateHandler([this](quint64 wParam, quint64 lParam) {
            events << QStringLiteral("navigate %1 %2").arg(wParam).arg(lParam);
            return quint64(1);
        });
    }
};

} // namespace

TEST_F(InstanceServerTest, AnswersFindInstanceWithItsOwnIdAndCleansUp) {
    auto server = startServer(kFirst);
    EXPECT_TRUE(QFile::exists(socketOf(kFirst)));
    EXPECT_EQ(modeOf(socketOf(kFirst)) & 077, 0);

    const auto [answer, running, notRunning] = whileServing([this] {
        const InstanceClient c = client();
        auto answer = c.sendFindInstance(kFirst);
        const bool running = c.isRunningInstance(kFirst);
        return std::make_tuple(answer, running, c.isRunningInstance(kSecond));
    });
    EXPECT_EQ(answer, quint64(kFirst));
    EXPECT_TRUE(running);
    EXPECT_FALSE(notRunning);
    EXPECT_TRUE(client().isRunningInstance(InstanceId(::getpid())));

    server.reset();
    EXPECT_FALSE(QFile::exists(socketOf(kFirst)));
    EXPECT_FALSE(client().isRunningInstance(kFirst));
}

TEST_F(InstanceServerTest, CopyDataDeliversTagAndExactBytesAndReturnsTheHandlersResult) {
    auto server = startServer(kFirst);
    HandlerLog log;
    log.attach(*server);
    log.copyResult = 0xDEADBEEF12345678ull;

    const QByteArray text = instancewire::copyDataFromText(QString::fromUtf8("http://x/\xC3\xBC"));
    auto result = whileServing([&] { return client().sendCopyData(kFirst, 0, text); });
    EXPECT_EQ(result, 0xDEADBEEF12345678ull);
    EXPECT_EQ(log.events, QStringList{"copy 0"});
    EXPECT_EQ(log.lastData, text);
    EXPECT_EQ(log.lastData.size(), 2 * 11) << "ten characters and the terminating zero";

    // Other tags and empty or largest data blocks arrive as they are.
    log.copyResult = 0;
    result = whileServing([&] { return client().sendCopyData(kFirst, 77, {}); });
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(log.events.last(), "copy 77");
    EXPECT_TRUE(log.lastData.isEmpty());

    const QByteArray largest(instancewire::kMaxCopyDataBytes, '\x5a');
    result = whileServing([&] { return client().sendCopyData(kFirst, 1, largest); });
    EXPECT_EQ(result, 0u);
    EXPECT_EQ(log.lastData, largest);

    // Too large is refused by the sender; nothing goes out.
    const int before = log.events.size();
    result = whileServing(
        [&] { return client().sendCopyData(kFirst, 1, QByteArray(largest.size() + 1, 'a')); });
    EXPECT_FALSE(result);
    EXPECT_EQ(log.events.size(), before);

    // Without a handler the answer is 0.
    server->setCopyDataHandler({});
    result = whileServing([&] { return client().sendCopyData(kFirst, 0, text); });
    EXPECT_EQ(result, 0u);
}

TEST_F(InstanceServerTest, NavigateCarriesBothParameters) {
    auto server = startServer(kFirst);
    HandlerLog log;
    log.attach(*server);
    const auto [first, second] = whileServing([this] {
        const InstanceClient c = client();
        auto first = c.sendNavigate(kFirst, 0, 0);
        return std::make_pair(first, c.sendNavigate(kFirst, 0, 1));
    });
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(second, 1u);
    EXPECT_EQ(log.events, (QStringList{"navigate 0 0", "navigate 0 1"}));
}

TEST_F(InstanceServerTest, HandOverSendsTheAddressThenNavigates) {
    auto server = startServer(kFirst);
    HandlerLog log;
    log.attach(*server);
    const QString address = QString::fromUtf8("http://example.org/\xE6\xBC\xA2");

    EXPECT_TRUE(whileServing([&] { return client().handOver(address); }));
    EXPECT_EQ(log.events, (QStringList{"copy 0", "navigate 0 1"}));
    EXPECT_EQ(instancewire::textFromCopyData(log.lastData), address);

    // The receiver declined the address: no navigate follows, but the
    // instance still took the start over.
    log.events.clear();
    log.copyResult = 0;
    EXPECT_TRUE(whileServing([&] { return client().handOver(address); }));
    EXPECT_EQ(log.events, QStringList{"copy 0"});

    // No address: only a navigate with lParam 0.
    log.events.clear();
    EXPECT_TRUE(whileServing([&] { return client().handOver(QString()); }));
    EXPECT_EQ(log.events, QStringList{"navigate 0 0"});

    server.reset();
    EXPECT_FALSE(client().handOver(address));
}

TEST_F(InstanceServerTest, FindInstanceReturnsOneOfSeveralServers) {
    auto first = startServer(kFirst);
    auto second = startServer(kSecond);
    const auto found = whileServing([this] { return client().findInstance(); });
    ASSERT_TRUE(found);
    EXPECT_TRUE(*found == kFirst || *found == kSecond);
    EXPECT_EQ(client().enumerate(), (QList<InstanceId>{kFirst, kSecond}));
}

TEST_F(InstanceServerTest, ASilentSocketIsGivenUpAfterTheTimeOut) {
    const int silent = makeSilentListener(socketOf(kFirst));
    ASSERT_GE(silent, 0);
    auto server = startServer(kSecond);

    QElapsedTimer clock;
    clock.start();
    const auto found = whileServing([this] { return client().findInstance(); });
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(found, kSecond) << "the silent socket comes first and is passed over";
    EXPECT_GE(elapsed, 450);
    EXPECT_LT(elapsed, 3000);

    InstanceClient impatient = client();
    impatient.setDeliveryTimeout(200);
    EXPECT_FALSE(impatient.sendNavigate(kFirst, 0, 0));
    EXPECT_FALSE(impatient.isRunningInstance(kFirst));
    EXPECT_TRUE(QFile::exists(socketOf(kFirst))) << "a socket that accepts is no left-over";
    ::close(silent);
}

TEST_F(InstanceServerTest, SocketsLeftByDeadProcessesCountAsNoneAndAreRemoved) {
    const InstanceId reaped = InstanceId(deadProcessId());
    const InstanceId living = InstanceId(::getppid());
    ASSERT_TRUE(makeDeadSocketFile(socketOf(kNoProcess)));
    ASSERT_TRUE(makeDeadSocketFile(socketOf(reaped)));
    ASSERT_TRUE(makeDeadSocketFile(socketOf(living)));

    EXPECT_FALSE(client().findInstance());
    EXPECT_FALSE(QFile::exists(socketOf(kNoProcess)));
    EXPECT_FALSE(QFile::exists(socketOf(reaped)));
    // Its process exists (the id may have been reused, or its server may be
    // about to take the name over): no window, but the file stays.
    EXPECT_TRUE(QFile::exists(socketOf(living)));

    ASSERT_TRUE(makeDeadSocketFile(socketOf(kNoProcess)));
    EXPECT_FALSE(client().isRunningInstance(kNoProcess));
    EXPECT_FALSE(QFile::exists(socketOf(kNoProcess)));
}

TEST_F(InstanceServerTest, ANewServerReplacesALeftoverOfItsOwnId) {
    ASSERT_TRUE(makeDeadSocketFile(socketOf(kFirst)));
    auto server = startServer(kFirst);
    ASSERT_TRUE(server->isListening());
    EXPECT_TRUE(whileServing([this] { return client().isRunningInstance(kFirst); }));
    EXPECT_EQ(client().enumerate(), QList<InstanceId>{kFirst}) << "no helper files are listed";
}

TEST_F(InstanceServerTest, MisbehavingPeersGetNoAnswerAndReachNoHandler) {
    auto server = startServer(kFirst);
    server->setRequestTimeout(300);
    HandlerLog log;
    log.attach(*server);
    int refused = 0;
    QObject::connect(server.get(), &InstanceServer::requestRefused, [&refused] { ++refused; });

    const QByteArray navigate = instancewire::navigateRequest(0, 1);
    QByteArray wrongVersion = navigate;
    wrongVersion[4] = 2;
    QByteArray replyAsRequest = instancewire::resultReply(1);
    QByteArray shortNavigate = navigate.left(navigate.size() - 1);
    shortNavigate[8] = 15;
    // Claims 16 MiB of copy data; the server must not wait for it.
    QByteArray oversize = instancewire::copyDataRequest(0, "x").left(instancewire::kHeaderSize);
    oversize[10] = 0;
    oversize[11] = 1;
    QByteArray partial = instancewire::copyDataRequest(0, QByteArray(100, 'a')).left(30);

    const QList<QByteArray> peers = {"GET / HTTP/1.0\r\n\r\n",
                                     wrongVersion,
                                     replyAsRequest,
                                     shortNavigate,
                                     oversize,
                                     partial,
                                     QByteArray()};
    for (const QByteArray& bytes : peers) {
        const PeerResult seen = rawExchange(socketOf(kFirst), bytes, 5000);
        EXPECT_TRUE(seen.closedByServer) << bytes.toHex().toStdString();
        EXPECT_TRUE(seen.received.isEmpty()) << bytes.toHex().toStdString();
    }
    EXPECT_TRUE(spinUntil([&] { return refused == peers.size(); }));
    EXPECT_TRUE(log.events.isEmpty());

    EXPECT_EQ(whileServing([this] { return client().sendNavigate(kFirst, 0, 1); }), 1u);
    EXPECT_EQ(log.events, QStringList{"navigate 0 1"});

    // Bytes after a complete request are never read; the request is answered.
    const PeerResult trailing =
        rawExchange(socketOf(kFirst), instancewire::findInstanceRequest() + "trailing bytes", 5000);
    EXPECT_EQ(trailing.received, instancewire::resultReply(quint64(kFirst)));
    EXPECT_TRUE(trailing.closedByServer);
}

TEST_F(InstanceServerTest, StalledPeersDoNotHoldUpOthers) {
    auto server = startServer(kFirst);
    server->setRequestTimeout(400);
    // More stalled connections than the server keeps at once.
    QList<int> stalled;
    for (int i = 0; i < InstanceServer::kMaxConnections + 8; ++i) {
        const int fd = connectRaw(socketOf(kFirst));
        ASSERT_GE(fd, 0);
        stalled << fd;
    }
    ::send(stalled.first(), "QRIN", 4, MSG_NOSIGNAL);

    for (int fd : stalled)
        EXPECT_TRUE(waitForServerClose(fd, 10000));
    for (int fd : stalled)
        ::close(fd);

    // While a few peers stall, a proper request is answered at once.
    const int a = connectRaw(socketOf(kFirst));
    const int b = connectRaw(socketOf(kFirst));
    server->setRequestTimeout(60000);
    EXPECT_EQ(whileServing([this] { return client().sendFindInstance(kFirst); }), quint64(kFirst));
    ::close(a);
    ::close(b);
}

TEST_F(InstanceServerTest, IdlePeersNeverKeepAHandOverOut) {
    auto server = startServer(kFirst);
    HandlerLog log;
    log.attach(*server);
    server->setRequestTimeout(60000); // idle peers stay until pushed out
    // Connected from another thread: the server takes them in meanwhile.
    const QList<int> idle = whileServing([this] {
        QList<int> fds;
        for (int i = 0; i < 64; ++i)
            fds << connectRaw(socketOf(kFirst));
        return fds;
    });
    ASSERT_FALSE(idle.contains(-1));
    spinUntil([] { return false; }, 200);
    const auto [found, handedOver] = whileServing([this] {
        int answered = 0;
        for (int i = 0; i < 20; ++i)
            answered += client().findInstance() == kFirst ? 1 : 0;
        return std::make_tuple(answered, client().handOver("http://handed.example/"));
    });
    EXPECT_EQ(found, 20);
    EXPECT_TRUE(handedOver);
    EXPECT_EQ(log.events, QStringList({"copy 0", "navigate 0 1"}));
    for (int fd : idle)
        ::close(fd);
}

TEST_F(InstanceServerTest, AHandlerMayDestroyTheServer) {
    auto* server = startServer(kFirst).release();
    server->setNavigateHandler([server](quint64, quint64) {
        delete server;
        return quint64(1);
    });
    const auto answer = whileServing([this] { return client().sendNavigate(kFirst, 0, 0); });
    EXPECT_FALSE(answer) << "the connection went with the server";
    EXPECT_FALSE(QFile::exists(socketOf(kFirst)));
}

TEST_F(InstanceServerTest, AFolderOpenToOthersIsNotUsed) {
    auto server = startServer(kFirst);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    EXPECT_TRUE(client().enumerate().isEmpty());
    EXPECT_FALSE(client().findInstance());
    InstanceServer second(kSecond);
    QString error;
    EXPECT_FALSE(second.listen(folder, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(InstanceServerTest, EnumerateListsSocketIdsInNumericOrder) {
    for (const char* name : {"30.sock", "4.sock", "100.sock", "x.sock", ".7.new", "05.sock"})
        QFile(folder + "/" + name).open(QIODevice::WriteOnly);
    EXPECT_EQ(client().enumerate(), (QList<InstanceId>{4, 30, 100}));
}
