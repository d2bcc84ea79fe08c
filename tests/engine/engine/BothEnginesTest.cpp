// The page behaviour the browser windows rely on, for both engine kinds.
#include "BothEnginesFixture.h"

namespace {

TEST_P(BothEngines, LoadReportsEventsInOrderWithTitleAndProgress) {
    server.addPage("/a", page("Alpha"));
    const QString url = server.url("/a");
    ASSERT_TRUE(load(url));
    ASSERT_TRUE(waitFor([&] { return engine->LocationName() == "Alpha"; }));

    const QStringList& log = events.log;
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.first(), "BeforeNavigate2 " + url + "|");
    const int begin = events.indexOf("DownloadBegin");
    const int navigated = events.indexOf("NavigateComplete2 " + url);
    const int titled = events.indexOf("TitleChange Alpha");
    const int full = events.indexOf("ProgressChange 100/100");
    const int complete = events.indexOf("DocumentComplete " + url);
    EXPECT_GT(begin, 0);
    EXPECT_GT(navigated, begin);
    EXPECT_GT(titled, navigated);
    EXPECT_GT(full, navigated);
    // WebKitGTK may tell the title just after the end of the load.
    EXPECT_GT(complete, navigated);
    EXPECT_GT(events.indexOf("DownloadComplete"), complete) << log.join("; ").toStdString();
    EXPECT_EQ(events.count("DownloadComplete"), 1);
    EXPECT_EQ(events.count("DocumentComplete"), 1);
    EXPECT_GT(events.indexOf("CommandStateChange 1 0", navigated), navigated);
    EXPECT_GT(events.indexOf("CommandStateChange 2 0", navigated), navigated);
    for (const QString& line : events.starting("ProgressChange"))
        EXPECT_TRUE(line.endsWith("/100")) << line.toStdString();
    EXPECT_EQ(engine->LocationURL(), url);
    EXPECT_FALSE(engine->Busy());
    EXPECT_EQ(engine->ReadyState(), 4);
}

TEST_P(BothEngines, HistoryMovesAndEnablesBackAndForward) {
    server.addPage("/a", page("Alpha"));
    server.addPage("/b", page("Beta"));
    ASSERT_TRUE(load(server.url("/a")));
    ASSERT_TRUE(load(server.url("/b")));
    EXPECT_EQ(events.starting("CommandStateChange 2").last(), "CommandStateChange 2 1");

    events.log.clear();
    engine->GoBack();
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") == 1; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_TRUE(events.log.contains("CommandStateChange 1 1"));
    EXPECT_TRUE(events.log.contains("CommandStateChange 2 0"));
    engine->GoForward();
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") == 2; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/b"));
}

TEST_P(BothEngines, FramesCompleteOnlyTheTopDocument) {
    server.addPage("/left", page("Left"));
    server.addPage("/inner", page("Inner"));
    server.addPage("/iframes", page("IFrames", "<iframe src='/inner'></iframe>"
                                               "<iframe name='named' src='/left'></iframe>"));
    ASSERT_TRUE(load(server.url("/iframes")));
    EXPECT_EQ(events.starting("DocumentComplete"),
              QStringList({"DocumentComplete " + server.url("/iframes")}));
    ASSERT_TRUE(waitFor([&] { return server.requested("/inner") && server.requested("/left"); }));
    const QStringList navigations = events.starting("BeforeNavigate2");
    ASSERT_FALSE(navigations.isEmpty());
    EXPECT_TRUE(navigations[0].endsWith("|"));
    // Frames are never taken for the top-level document.
    for (int i = 1; i < navigations.size(); ++i)
        EXPECT_FALSE(navigations[i].endsWith("|")) << navigations[i].toStdString();
}

TEST_P(BothEngines, CancelledNavigationLoadsNothing) {
    server.addPage("/a", page("Alpha"));
    server.addPage("/b", page("Beta"));
    ASSERT_TRUE(load(server.url("/a")));
    events.cancelNavigation = [](const QString& url, const QString&) { return url.endsWith("/b"); };
    events.log.clear();
    engine->Navigate2(server.url("/b"));
    ASSERT_TRUE(waitFor([&] { return events.count("BeforeNavigate2") == 1; }));
    QTest::qWait(700);
    EXPECT_EQ(events.log.size(), 1) << events.log.join("; ").toStdString();
    EXPECT_FALSE(server.requested("/b"));
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_FALSE(engine->Busy());
}

TEST_P(BothEngines, StopEndsTheDownloadWithoutCompletingTheDocument) {
    TestHttpServer::Page slow;
    slow.body = page("Slow");
    slow.delayMilliseconds = 4000;
    server.addPage("/slow", slow);
    engine->Navigate2(server.url("/slow"));
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadBegin") == 1; }));
    EXPECT_TRUE(engine->Busy());
    engine->Stop();
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") == 1; }));
    EXPECT_EQ(events.count("DocumentComplete"), 0);
    EXPECT_FALSE(engine->Busy());
}

TEST_P(BothEngines, ScriptWindowAsksForANewWindowOfTheSameKind) {
    server.addPage("/b", page("Beta"));
    server.addPage("/opener", page("Opener", "<script>setTimeout(function(){"
                                             "window.open('/b');}, 50);</script>"));
    // Refused: no window, nothing loaded.
    ASSERT_TRUE(load(server.url("/opener")));
    ASSERT_TRUE(waitFor([&] { return events.count("NewWindow2") == 1; }));
    QTest::qWait(500);
    EXPECT_FALSE(server.requested("/b"));

    RecordingEvents popupEvents;
    IBrowserEngine* popup = nullptr;
    events.newWindow = [&] {
        popup = makeEngine(&popupEvents);
        return popup;
    };
    engine->Refresh();
    ASSERT_TRUE(waitFor([&] { return popupEvents.count("DocumentComplete") == 1; }));
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popupEvents.starting("BeforeNavigate2").first(),
              "BeforeNavigate2 " + server.url("/b") + "|");
    EXPECT_TRUE(waitFor([&] { return popup->LocationName() == "Beta"; }));
}

TEST_P(BothEngines, ScriptCloseAsksTheHandler) {
    server.addPage("/b", page("Beta", "<script>setTimeout(function(){window.close();}, 50);"
                                      "</script>"));
    server.addPage("/opener", page("Opener", "<script>window.open('/b');</script>"));
    RecordingEvents popupEvents;
    events.newWindow = [&] { return makeEngine(&popupEvents); };
    ASSERT_TRUE(load(server.url("/opener")));
    // A window a script opened may be closed by its script.
    ASSERT_TRUE(waitFor([&] { return popupEvents.count("WindowClosing") == 1; }));
}

TEST_P(BothEngines, RequestsCarryTheEnginesUserAgent) {
    server.addPage("/a", page("Alpha"));
    ASSERT_TRUE(load(server.url("/a")));
    const QByteArray agent = server.userAgent("/a");
    ASSERT_FALSE(agent.isEmpty());
    if (GetParam() == 0) {
        EXPECT_TRUE(agent.contains("QtWebEngine")) << agent.constData();
    } else {
        EXPECT_FALSE(agent.contains("Chrome")) << agent.constData();
        EXPECT_TRUE(agent.contains("AppleWebKit")) << agent.constData();
        EXPECT_EQ(QString::fromUtf8(agent),
                  static_cast<CWebKitEngine*>(engine)->UserAgent());
    }
}

TEST_P(BothEngines, TextSizeAndContentFlags) {
    server.addPage("/img", page("Img", "<img id='i' src='/pic.png'>"));
    engine->SetDownloadControl(dlctl::Default & ~dlctl::Images, false);
    ASSERT_TRUE(load(server.url("/img")));
    QTest::qWait(300);
    EXPECT_FALSE(server.requested("/pic.png"));
    EXPECT_TRUE(engine->ExecWB(olecmd::Zoom, 4));
    EXPECT_EQ(engine->ZoomLevel(), 4);
    EXPECT_FALSE(engine->ExecWB(olecmd::Zoom, 7));
    EXPECT_EQ(engine->ZoomLevel(), 4);
}

INSTANTIATE_TEST_SUITE_P(Kinds, BothEngines, ::testing::Values(0, 1), engineKindName);

} // namespace
