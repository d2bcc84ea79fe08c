#pragma once

#include "TestHttpServer.h"
#include "browser/IBrowserEngine.h"
#include "browser/engine/CWebEngine.h"
#include "framework/DialogRunner.h"
#include "support/TestEnv.h"

#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Writes down every event an engine reports, one line each:
//   "BeforeNavigate2 <url>|<frame>", "NavigateComplete2 <url>",
//   "DocumentComplete <url>", "TitleChange <title>", "ProgressChange <p>/<max>",
//   "StatusTextChange <text>", "DownloadBegin", "DownloadComplete",
//   "CommandStateChange <command> <0|1>", "NewWindow2", "WindowClosing".
// Hooks decide where an event can be cancelled.
class RecordingEvents : public IBrowserEngineEvents {
public:
    QStringList log;
    std::function<bool(const QString& url, const QString& frame)> cancelNavigation;
    std::function<IBrowserEngine*()> newWindow; // null or returning null: cancel
    std::function<void()> onNewWindow;          // runs inside NewWindow2
    std::function<void()> onWindowClosing;      // runs inside WindowClosing
    bool cancelClose = false;

    void BeforeNavigate2(const QString& url, const QString& frame, bool* cancel) override {
        log << QStringLiteral("BeforeNavigate2 %1|%2").arg(url, frame);
        if (cancelNavigation && cancelNavigation(url, frame))
            *cancel = true;
    }
    void NavigateComplete2(const QString& url) override { log << "NavigateComplete2 " + url; }
    void DocumentComplete(const QString& url) override { log << "DocumentComplete " + url; }
    void TitleChange(const QString& title) override { log << "TitleChange " + title; }
    void ProgressChange(std::int64_t progress, std::int64_t max) override {
        log << QStringLiteral("ProgressChange %1/%2").arg(progress).arg(max);
    }
    void StatusTextChange(const QString& text) override { log << "StatusTextChange " + text; }
    void DownloadBegin() override { log << QStringLiteral("DownloadBegin"); }
    void DownloadComplete() override { log << QStringLiteral("DownloadComplete"); }
    void CommandStateChange(int command, bool enable) override {
        log << QStringLiteral("CommandStateChange %1 %2").arg(command).arg(enable ? 1 : 0);
    }
    void NewWindow2(IBrowserEngine** window, bool* cancel) override {
        log << QStringLiteral("NewWindow2");
        if (onNewWindow)
            onNewWindow();
        IBrowserEngine* made = newWindow ? newWindow() : nullptr;
        if (made)
            *window = made;
        else
            *cancel = true;
    }
    void NavigateError(const QString& url) override { log << "NavigateError " + url; }
    void WindowClosing(bool* cancel) override {
        log << QStringLiteral("WindowClosing");
        if (onWindowClosing)
            onWindowClosing();
        *cancel = cancelClose;
    }

    // Lines starting with prefix.
    QStringList starting(const QString& prefix) const {
        QStringList lines;
        for (const QString& line : log) {
            if (line.startsWith(prefix))
                lines << line;
        }
        return lines;
    }
    int count(const QString& prefix) const { return static_cast<int>(starting(prefix).size()); }
    // Position of the first line equal to line at or after from; -1 if none.
    int indexOf(const QString& line, int from = 0) const {
        return static_cast<int>(log.indexOf(line, from));
    }
};

// Runs events until condition holds or timeoutMs passes; true when it holds.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

// A fresh registry and a scripted dialog runner on which a dialog without
// an answer fails the test.
inline void useFreshRegistryAndScriptedDialogs() {
    testenv::useFreshRegistry();
    DialogRunner::instance().reset();
    DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
    DialogRunner::instance().setUnscriptedHandler([](const DialogRunner::Record& record) {
        ADD_FAILURE() << "unexpected dialog: " << record.title.toStdString() << " / "
                      << record.text.toStdString();
        return 0;
    });
}

// An engine with its widget shown, a recorder and a loopback server; the
// dialog runner is scripted and a dialog without an answer fails the test.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        useFreshRegistryAndScriptedDialogs();
        CWebEngine::SetGlobalSilent(false);
        ASSERT_TRUE(server.start());
        engine = makeEngine(&events);
    }

    void TearDown() override {
        engines.clear();
        engine = nullptr;
        // Pages let go inside handlers are deleted later: let that happen.
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DialogRunner::instance().reset();
        CWebEngine::SetGlobalSilent(false);
    }

    CWebEngine* makeEngine(RecordingEvents* recorder) {
        engines.push_back(std::make_unique<CWebEngine>());
        CWebEngine* made = engines.back().get();
        made->SetEvents(recorder);
        made->Widget()->resize(800, 600);
        made->Widget()->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(made->Widget()));
        return made;
    }

    // Navigates and waits until the load has ended (DownloadComplete).
    bool load(const QString& url, CWebEngine* target = nullptr,
              RecordingEvents* recorder = nullptr) {
        target = target ? target : engine;
        recorder = recorder ? recorder : &events;
        const int before = recorder->count(QStringLiteral("DownloadComplete"));
        target->Navigate2(url);
        return waitFor(
            [&] { return recorder->count(QStringLiteral("DownloadComplete")) > before; });
    }

    TestHttpServer server;
    RecordingEvents events;
    std::vector<std::unique_ptr<CWebEngine>> engines;
    CWebEngine* engine = nullptr;
};

// A page with a title and a body.
inline QByteArray page(const QByteArray& title, const QByteArray& body = QByteArray()) {
    return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}
