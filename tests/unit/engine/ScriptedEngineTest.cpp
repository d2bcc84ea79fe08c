// The scripted engine that tests of the browser windows drive.
#include "browser/engine/ScriptedEngine.h"

#include <gtest/gtest.h>

namespace {

// Writes events down as "Name argument" lines; cancels where told.
class Recorder : public IBrowserEngineEvents {
public:
    QStringList log;
    ScriptedEngine* engine = nullptr; // read during events when set
    bool cancelNavigation = false;
    bool cancelClose = false;
    IBrowserEngine* window = nullptr;

    void BeforeNavigate2(const QString& url, const QString& frame, bool* cancel) override {
        log << QStringLiteral("BeforeNavigate2 %1|%2").arg(url, frame);
        *cancel = cancelNavigation;
    }
    void NavigateComplete2(const QString& url) override {
        log << "NavigateComplete2 " + url + state();
    }
    void DocumentComplete(const QString& url) override {
        log << "DocumentComplete " + url + state();
    }
    void TitleChange(const QString& title) override { log << "TitleChange " + title; }
    void ProgressChange(std::int64_t p, std::int64_t m) override {
        log << QStringLiteral("ProgressChange %1/%2").arg(p).arg(m);
    }
    void StatusTextChange(const QString& text) override { log << "StatusTextChange " + text; }
    void DownloadBegin() override { log << "DownloadBegin" + state(); }
    void DownloadComplete() override { log << "DownloadComplete" + state(); }
    void CommandStateChange(int c, bool e) override {
        log << QStringLiteral("CommandStateChange %1 %2").arg(c).arg(e);
    }
    void NewWindow2(IBrowserEngine** newWindow, bool* cancel) override {
        log << QStringLiteral("NewWindow2");
        if (window)
            *newWindow = window;
        else
            *cancel = true;
    }
    void WindowClosing(bool* cancel) override {
        log << QStringLiteral("WindowClosing");
        *cancel = cancelClose;
    }

private:
    // " busy=<0|1> ready=<n> at=<url> name=<name>" as the engine reports.
    QString state() const {
        if (!engine)
            return QString();
        return QStringLiteral(" busy=%1 ready=%2 at=%3 name=%4")
            .arg(engine->Busy())
            .arg(engine->ReadyState())
            .arg(engine->LocationURL(), engine->LocationName());
    }
};

TEST(ScriptedEngine, PlayLoadSendsAWholeLoadWithTheEngineStateOfEachStep) {
    ScriptedEngine engine;
    Recorder recorder;
    recorder.engine = &engine;
    engine.SetEvents(&recorder);
    ASSERT_TRUE(engine.playLoad("http://a.test/", "Alpha"));
    const QStringList expected = {
        "BeforeNavigate2 http://a.test/|",
        "DownloadBegin busy=1 ready=1 at= name=",
        "NavigateComplete2 http://a.test/ busy=1 ready=3 at=http://a.test/ name=http://a.test/",
        "ProgressChange 50/100",
        "ProgressChange 100/100",
        "TitleChange Alpha",
        "DocumentComplete http://a.test/ busy=0 ready=4 at=http://a.test/ name=Alpha",
        "DownloadComplete busy=0 ready=4 at=http://a.test/ name=Alpha",
    };
    EXPECT_EQ(recorder.log, expected);
}

TEST(ScriptedEngine, CancelledLoadStopsAfterBeforeNavigateAndFramesCarryTheirName) {
    ScriptedEngine engine;
    Recorder recorder;
    engine.SetEvents(&recorder);
    recorder.cancelNavigation = true;
    EXPECT_FALSE(engine.playLoad("http://a.test/", "Alpha"));
    EXPECT_FALSE(engine.playFrameLoad("http://a.test/f", "left"));
    EXPECT_EQ(recorder.log, QStringList({"BeforeNavigate2 http://a.test/|",
                                         "BeforeNavigate2 http://a.test/f|left"}));
    EXPECT_FALSE(engine.Busy());
    EXPECT_TRUE(engine.LocationURL().isEmpty());
}

TEST(ScriptedEngine, NewWindowAndClosingReportTheHandlersAnswer) {
    ScriptedEngine engine;
    ScriptedEngine other;
    Recorder recorder;
    engine.SetEvents(&recorder);
    ScriptedEngine::NewWindowAnswer refused = engine.playNewWindow();
    EXPECT_TRUE(refused.cancelled);
    EXPECT_EQ(refused.window, nullptr);
    recorder.window = &other;
    ScriptedEngine::NewWindowAnswer given = engine.playNewWindow();
    EXPECT_FALSE(given.cancelled);
    EXPECT_EQ(given.window, &other);

    EXPECT_FALSE(engine.playWindowClosing());
    recorder.cancelClose = true;
    EXPECT_TRUE(engine.playWindowClosing());
}

TEST(ScriptedEngine, WithoutHandlerNothingIsSentAndNothingIsCancelled) {
    ScriptedEngine engine;
    EXPECT_TRUE(engine.playLoad("http://a.test/", "Alpha"));
    EXPECT_FALSE(engine.playWindowClosing());
    EXPECT_FALSE(engine.playNewWindow().cancelled);
    EXPECT_EQ(engine.LocationName(), "Alpha");
}

TEST(ScriptedEngine, RecordsCallsAndAnswersWhatTheTestSet) {
    ScriptedEngine engine;
    engine.Navigate2("http://a.test/");
    engine.GoBack();
    engine.SetSilent(true);
    engine.SetDownloadControl(dlctl::Default | dlctl::Silent, true);
    EXPECT_TRUE(engine.ExecWB(olecmd::Zoom, 4));
    EXPECT_FALSE(engine.ExecWB(olecmd::Zoom, 9));
    engine.ClickElementAt(QPoint(3, 4));
    EXPECT_EQ(engine.calls(), QStringList({"Navigate2 http://a.test/", "GoBack", "SetSilent 1",
                                           "SetDownloadControl 0x40000070 refresh", "ExecWB 19 4",
                                           "ExecWB 19 9", "ClickElementAt 3,4"}));
    EXPECT_EQ(engine.ZoomLevel(), 4);
    EXPECT_TRUE(engine.Silent());
    EXPECT_EQ(engine.downloadControl(), dlctl::Default | dlctl::Silent);

    engine.setElementAt(QPoint(3, 4), true);
    EXPECT_TRUE(engine.ElementAtPoint(QPoint(3, 4)));
    EXPECT_FALSE(engine.ElementAtPoint(QPoint(4, 3)));
    engine.setQueryStatus(olecmd::Copy, olecmd::Supported);
    EXPECT_EQ(engine.QueryStatusWB(olecmd::Copy), olecmd::Supported);
    EXPECT_EQ(engine.QueryStatusWB(olecmd::Paste), 0);
    engine.setExecResult(false);
    EXPECT_FALSE(engine.ExecWB(olecmd::Zoom, 1));
    EXPECT_EQ(engine.ZoomLevel(), 4);
    engine.setSavePageResult(false);
    EXPECT_FALSE(engine.SavePage("/tmp/x.htm"));
    EXPECT_EQ(engine.calls().last(), "SavePage /tmp/x.htm");
}

} // namespace
