// Whole program: link groups marked for start-up open when the program
// starts in that start mode; a loopback server sees every address.
#include "app/SettingsPaths.h"
#include "engine/engine/TestHttpServer.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

using namespace platform;

TEST(StartupLinkGroupTest, EveryLinkOfTheStartupGroupsOpensAtStart) {
    testenv::useFreshRegistry();
    qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
    TestHttpServer server;
    ASSERT_TRUE(server.start());
    for (const char* path : {"/a", "/b", "/c", "/d"})
        server.addPage(path, QByteArray("<title>") + path + "</title>");

    const RegKey settings =
        RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
    settings.setDword("CheckDefaultBrowser", 0);
    settings.setDword("ConfirmExitApp", 0);
    settings.setDword("StartMode", 5);
    ASSERT_EQ(SaveLinkGroups({
                  LinkGroup{"Start", 1, 0, {{"a", server.url("/a")}, {"b", server.url("/b")}}},
                  LinkGroup{"Not at start", 0, 0, {{"c", server.url("/c")}}},
                  LinkGroup{"-", 1, 1, {}},
                  LinkGroup{"Also", 1, 0, {{"d", server.url("/d")}}},
              }),
              ERROR_SUCCESS);

    QProcess program;
    program.setProgram(QStringLiteral(QUORRELIN_PROGRAM));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start();
    ASSERT_TRUE(program.waitForStarted(10000));
    QElapsedTimer timer;
    timer.start();
    const auto seenAll = [&] {
        return server.requested("/a") && server.requested("/b") && server.requested("/d");
    };
    while (timer.elapsed() < 60000 && !seenAll() && program.state() == QProcess::Running)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    // Give a stray window a moment to show itself before looking.
    const qint64 settled = timer.elapsed() + 1000;
    while (timer.elapsed() < settled)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    program.kill();
    program.waitForFinished(5000);

    EXPECT_TRUE(seenAll()) << server.requests().join(' ').toStdString();
    EXPECT_FALSE(server.requested("/c"));
}
