#include "app/CSplashScreen.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <csignal>

namespace {

// A painter that notes its start and then everything it is sent, and ends
// at the end of its input. "quick" ones end at once without reading.
QString writePainter(const QString& log, bool quick = false) {
    const QString path = testenv::freshDir(QStringLiteral("painter")) + QStringLiteral("/painter");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\necho started >> '" + log.toUtf8() + "'\n");
    if (!quick)
        file.write("cat >> '" + log.toUtf8() + "'\necho ended >> '" + log.toUtf8() + "'\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// The log once it holds want (or after two seconds).
QByteArray waitForLog(const QString& log, const QByteArray& want) {
    QByteArray text;
    QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        QFile file(log);
        if (file.open(QIODevice::ReadOnly))
            text = file.readAll();
        if (text.contains(want))
            break;
        QThread::msleep(5);
    }
    return text;
}

bool processGone(pid_t pid) {
    QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired()) {
        if (::kill(pid, 0) != 0)
            return true;
        QThread::msleep(5);
    }
    return false;
}

} // namespace

TEST(SplashScreenTest, ShownOnlyWhenSwitchedOnForAPlainOrOpenStartOnARealDisplay) {
    EXPECT_TRUE(CSplashScreen::Wanted(1, true, "xcb"));
    EXPECT_TRUE(CSplashScreen::Wanted(1, true, "wayland"));
    EXPECT_FALSE(CSplashScreen::Wanted(0, true, "xcb")) << "DisplaySplash 0";
    EXPECT_FALSE(CSplashScreen::Wanted(1, false, "xcb")) << "a print or other command";
    EXPECT_FALSE(CSplashScreen::Wanted(1, true, "offscreen"));
    EXPECT_FALSE(CSplashScreen::Wanted(1, true, "minimal"));
    EXPECT_FALSE(CSplashScreen::Wanted(1, true, ""));
    // A painter of the caller's own needs no display, but the rules stand.
    EXPECT_TRUE(CSplashScreen::Wanted(1, true, "offscreen", "/some/painter"));
    EXPECT_FALSE(CSplashScreen::Wanted(0, true, "offscreen", "/some/painter"));
}

TEST(SplashScreenTest, ThePainterIsToldToCloseAndEndsWithoutBeingWaitedFor) {
    const QString log = testenv::freshDir(QStringLiteral("splash")) + QStringLiteral("/log");
    CSplashScreen splash(writePainter(log));
    ASSERT_TRUE(splash.Show());
    EXPECT_TRUE(splash.IsShown());
    const pid_t pid = splash.ProcessId();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(splash.Show()) << "a second Show starts nothing";
    EXPECT_EQ(splash.ProcessId(), pid);

    splash.Close();
    EXPECT_FALSE(splash.IsShown());
    EXPECT_EQ(waitForLog(log, "ended"), "started\nclose\nended\n");
    EXPECT_TRUE(processGone(pid)) << "ended and reaped";
    splash.Close(); // nothing left to close
}

TEST(SplashScreenTest, ClosingASplashThatWentAwayByItselfIsHarmless) {
    const QString log = testenv::freshDir(QStringLiteral("splash")) + QStringLiteral("/log");
    CSplashScreen splash(writePainter(log, true));
    ASSERT_TRUE(splash.Show());
    const pid_t pid = splash.ProcessId();
    waitForLog(log, "started");
    ASSERT_TRUE(processGone(pid));
    // The painter's end of the socket is closed: no SIGPIPE, no wait.
    splash.Close();
    EXPECT_FALSE(splash.IsShown());
}

TEST(SplashScreenTest, AMissingPainterMeansNoSplash) {
    CSplashScreen splash(testenv::root() + QStringLiteral("/no-such-painter"));
    EXPECT_FALSE(splash.Show());
    EXPECT_FALSE(splash.IsShown());
    splash.Close();
}

TEST(SplashScreenTest, TheSplashEndsWithTheObjectThatShowedIt) {
    const QString log = testenv::freshDir(QStringLiteral("splash")) + QStringLiteral("/log");
    {
        CSplashScreen splash(writePainter(log));
        ASSERT_TRUE(splash.Show());
    }
    EXPECT_TRUE(waitForLog(log, "ended").endsWith("ended\n"));
}
