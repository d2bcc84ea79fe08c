// What a CWebEngine reports while real pages load from a loopback server.
#include "EngineFixture.h"

#include "res/StringIds.h"
#include "res/StringTable.h"

#include <QApplication>
#include <QTcpServer>

#include <QWebEnginePage>

namespace {

TEST_F(EngineTest, LoadReportsEventsInOrderWithTitleAndProgress) {
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
    const int end = events.indexOf("DownloadComplete");
    EXPECT_GT(begin, 0);
    EXPECT_GT(navigated, begin);
    EXPECT_GT(titled, navigated);
    EXPECT_GT(full, navigated);
    EXPECT_GT(complete, titled);
    EXPECT_GT(complete, full);
    EXPECT_EQ(end, log.size() - 1);
    EXPECT_EQ(events.count("DocumentComplete"), 1);
    // Back and forward states follow the commit of the first page.
    EXPECT_GT(events.indexOf("CommandStateChange 1 0", navigated), navigated);
    EXPECT_GT(events.indexOf("CommandStateChange 2 0", navigated), navigated);
    for (const QString& line : events.starting("ProgressChange"))
        EXPECT_TRUE(line.endsWith("/100")) << line.toStdString();

    EXPECT_EQ(engine->LocationURL(), url);
    EXPECT_FALSE(engine->Busy());
    EXPECT_EQ(engine->ReadyState(), 4);
}

TEST_F(EngineTest, HistoryMovesAndEnablesBackAndForward) {
    server.addPage("/a", page("Alpha"));
    server.addPage("/b", page("Beta"));
    ASSERT_TRUE(load(server.url("/a")));
    ASSERT_TRUE(load(server.url("/b")));
    EXPECT_EQ(events.starting("CommandStateChange 2").last(), "CommandStateChange 2 1");

    events.log.clear();
    engine->GoBack();
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") == 1; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_EQ(events.log.first(), "BeforeNavigate2 " + server.url("/a") + "|");
    EXPECT_TRUE(events.log.contains("CommandStateChange 1 1"));
    EXPECT_TRUE(events.log.contains("CommandStateChange 2 0"));

    events.log.clear();
    engine->GoForward();
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") == 1; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/b"));
    EXPECT_TRUE(events.log.contains("CommandStateChange 1 0"));
}

TEST_F(EngineTest, FramesNavigateWithANameButCompleteOnlyTheTopDocument) {
    server.addPage("/left", page("Left"));
    server.addPage("/right", page("Right"));
    server.addPage("/inner", page("Inner"));
    server.addPage("/frames", "<html><head><title>Frames</title></head><frameset cols='50%,50%'>"
                              "<frame src='/left'><frame src='/right'></frameset></html>");
    server.addPage("/iframes", page("IFrames", "<iframe src='/inner'></iframe>"
                                               "<iframe src='/left'></iframe>"));
    for (const QString path : {"/frames", "/iframes"}) {
        events.log.clear();
        ASSERT_TRUE(load(server.url(path))) << path.toStdString();
        EXPECT_EQ(events.count("DocumentComplete"), 1) << path.toStdString();
        EXPECT_EQ(events.starting("DocumentComplete").first(),
                  "DocumentComplete " + server.url(path));
        const QStringList navigations = events.starting("BeforeNavigate2");
        ASSERT_EQ(navigations.size(), 3) << navigations.join("; ").toStdString();
        EXPECT_TRUE(navigations[0].endsWith("|"));
        for (int i = 1; i < 3; ++i)
            EXPECT_FALSE(navigations[i].endsWith("|")) << navigations[i].toStdString();
    }
}

TEST_F(EngineTest, CancelledNavigationReportsNothingFurtherAndLoadsLater) {
    server.addPage("/a", page("Alpha", "<a id='link' href='/b'>b</a>"));
    server.addPage("/b", page("Beta"));
    ASSERT_TRUE(load(server.url("/a")));
    bool refuse = true;
    events.cancelNavigation = [&](const QString& url, const QString&) {
        return refuse && url.endsWith("/b");
    };

    // Asked for by the engine's user, and by the page itself.
    events.log.clear();
    engine->Navigate2(server.url("/b"));
    ASSERT_TRUE(waitFor([&] { return events.count("BeforeNavigate2") == 1; }));
    engine->page()->runJavaScript("document.getElementById('link').click();");
    ASSERT_TRUE(waitFor([&] { return events.count("BeforeNavigate2") == 2; }));
    QTest::qWait(700);
    EXPECT_EQ(events.log.size(), 2) << events.log.join("; ").toStdString();
    EXPECT_FALSE(server.requested("/b"));
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_FALSE(engine->Busy());

    refuse = false;
    events.log.clear();
    ASSERT_TRUE(load(server.url("/b")));
    EXPECT_EQ(events.count("DocumentComplete"), 1);
    EXPECT_EQ(engine->LocationURL(), server.url("/b"));
}

TEST_F(EngineTest, StopEndsTheDownloadWithoutCompletingTheDocument) {
    TestHttpServer::Page slow;
    slow.body = page("Slow");
    slow.delayMilliseconds = 4000;
    server.addPage("/slow", slow);
    engine->Navigate2(server.url("/slow"));
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadBegin") == 1; }));
    EXPECT_TRUE(engine->Busy());
    EXPECT_EQ(engine->ReadyState(), 1);
    engine->Stop();
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") == 1; }));
    EXPECT_EQ(events.count("DocumentComplete"), 0);
    EXPECT_FALSE(engine->Busy());
}

TEST_F(EngineTest, ANewNavigationReplacesARunningLoad) {
    TestHttpServer::Page slow;
    slow.body = page("Slow");
    slow.delayMilliseconds = 3000;
    server.addPage("/slow", slow);
    server.addPage("/fast", page("Fast"));
    engine->Navigate2(server.url("/slow"));
    ASSERT_TRUE(waitFor([&] { return server.requested("/slow"); }));
    engine->Navigate2(server.url("/fast"));
    ASSERT_TRUE(waitFor([&] { return events.count("DocumentComplete") == 1; }));
    QTest::qWait(3500);
    EXPECT_EQ(events.starting("DocumentComplete"),
              QStringList({"DocumentComplete " + server.url("/fast")}));
    EXPECT_EQ(events.count("DownloadBegin"), events.count("DownloadComplete"));
    EXPECT_EQ(events.log.last(), "DownloadComplete");
    EXPECT_FALSE(engine->Busy());
    EXPECT_EQ(engine->LocationName(), "Fast");
}

TEST_F(EngineTest, ScriptWindowWithoutClickAsksForANewWindow) {
    server.addPage("/b", page("Beta"));
    server.addPage("/opener", page("Opener", "<script>setTimeout(function(){"
                                             "window.open('/b');}, 50);</script>"));
    // Refused: no window, nothing loaded.
    ASSERT_TRUE(load(server.url("/opener")));
    ASSERT_TRUE(waitFor([&] { return events.count("NewWindow2") == 1; }));
    QTest::qWait(500);
    EXPECT_FALSE(server.requested("/b"));
    EXPECT_EQ(engine->pressCount(), 0);

    // Given a window: its engine reports the first navigation and loads it.
    RecordingEvents popupEvents;
    CWebEngine* popup = nullptr;
    events.newWindow = [&] {
        popup = makeEngine(&popupEvents);
        return popup;
    };
    events.log.clear();
    engine->Refresh();
    ASSERT_TRUE(waitFor([&] { return popupEvents.count("DocumentComplete") == 1; }));
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popupEvents.starting("BeforeNavigate2").first(),
              "BeforeNavigate2 " + server.url("/b") + "|");
    EXPECT_TRUE(waitFor([&] { return popup->LocationName() == "Beta"; }));
    EXPECT_EQ(events.count("DocumentComplete"), 1);
}

TEST_F(EngineTest, ClickOnALinkIsAnElementWhenTheNewWindowIsAsked) {
    server.addPage("/b", page("Beta"));
    server.addPage("/links",
                   page("Links", "<a href='/b' target='_blank' style='display:block;width:400px;"
                                 "height:200px;background:#ccd'>open</a>"));
    ASSERT_TRUE(load(server.url("/links")));
    const QPoint onLink(60, 50);
    bool elementThere = false;
    bool unpressed = true;
    qint64 unpressedMs = -1;
    events.onNewWindow = [&] {
        elementThere = engine->ElementAtPoint(onLink);
        // The page cannot answer now: a point never pressed is no element,
        // at once.
        QElapsedTimer clock;
        clock.start();
        unpressed = engine->ElementAtPoint(QPoint(100, 100));
        unpressedMs = clock.elapsed();
    };
    QWidget* input = engine->view()->focusProxy();
    ASSERT_NE(input, nullptr);
    // Clicks go on until the page has taken one (right after a load it may
    // still be setting up its input handling).
    QElapsedTimer sinceClick;
    ASSERT_TRUE(waitFor([&] {
        if (events.count("NewWindow2") > 0)
            return true;
        if (!sinceClick.isValid() || sinceClick.elapsed() > 1500) {
            QTest::mouseClick(input, Qt::LeftButton, {}, input->mapFrom(engine->Widget(), onLink));
            sinceClick.start();
        }
        return false;
    }));
    EXPECT_GE(engine->pressCount(), 1);
    EXPECT_TRUE(elementThere);
    EXPECT_FALSE(unpressed);
    EXPECT_LT(unpressedMs, 500);
    // Outside the page and negative points: nothing there.
    EXPECT_FALSE(engine->ElementAtPoint(QPoint(5000, 5000)));
    EXPECT_FALSE(engine->ElementAtPoint(QPoint(-1, -1)));
}

TEST_F(EngineTest, MiddleClickOpensTheLinkThroughClickElementAt) {
    server.addPage("/b", page("Beta"));
    server.addPage("/links", page("Links", "<a href='/b' style='display:block;width:400px;"
                                           "height:200px'>open</a>"));
    ASSERT_TRUE(load(server.url("/links")));
    // Asked without a press first: the answer is fetched on the spot.
    EXPECT_TRUE(engine->ElementAtPoint(QPoint(30, 30)));
    events.log.clear();
    engine->ClickElementAt(QPoint(30, 30));
    ASSERT_TRUE(waitFor([&] { return events.count("DocumentComplete") == 1; }));
    EXPECT_EQ(engine->LocationURL(), server.url("/b"));
}

TEST_F(EngineTest, ScriptCloseAsksTheHandlerAndDoesNothingMore) {
    server.addPage("/closer", page("Closer", "<script>setTimeout(function(){"
                                             "window.close();}, 50);</script>"));
    ASSERT_TRUE(load(server.url("/closer")));
    ASSERT_TRUE(waitFor([&] { return events.count("WindowClosing") == 1; }));
    QTest::qWait(200);
    EXPECT_TRUE(engine->Widget()->isVisible());
    EXPECT_EQ(engine->LocationURL(), server.url("/closer"));
}

TEST_F(EngineTest, HandlerMayDeleteTheEngineInsideAnEvent) {
    server.addPage("/closer", page("Closer", "<script>setTimeout(function(){"
                                             "window.close();}, 50);</script>"));
    events.onWindowClosing = [&] { engines.clear(); };
    engine->Navigate2(server.url("/closer"));
    ASSERT_TRUE(waitFor([&] { return events.count("WindowClosing") == 1; }));
    QTest::qWait(300);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(engines.empty());
}

TEST_F(EngineTest, HoveringALinkShowsItsAddressAsStatusText) {
    server.addPage("/links", page("Links", "<a href='/target' style='display:block;width:400px;"
                                           "height:200px'>open</a>"));
    ASSERT_TRUE(load(server.url("/links")));
    QWidget* input = engine->view()->focusProxy();
    ASSERT_NE(input, nullptr);
    // Moves go on until the page has seen one (it may still be setting up
    // its input handling right after the load).
    int moves = 0;
    ASSERT_TRUE(waitFor([&] {
        QTest::mouseMove(input, ++moves % 2 ? QPoint(300, 400) : QPoint(50, 50));
        return events.log.contains("StatusTextChange " + server.url("/target"));
    }));
    // The pointer rests on the link (the page's answers come late: each
    // move off and on is given time to be reported).
    const auto restOnLink = [&] {
        return waitFor([&] {
            QTest::mouseMove(input, QPoint(300, 400));
            QTest::qWait(100);
            events.log.clear();
            QTest::mouseMove(input, QPoint(50, 50));
            QTest::qWait(300);
            return !events.log.isEmpty() &&
                   events.log.last() == "StatusTextChange " + server.url("/target");
        });
    };

    // Leaving the page leaves the link: the status text ends.
    ASSERT_TRUE(restOnLink());
    events.log.clear();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(engine->view(), &leave);
    EXPECT_EQ(events.log, QStringList{"StatusTextChange "});

    // So does a new page while the pointer was still over a link.
    ASSERT_TRUE(restOnLink());
    events.log.clear();
    engine->Navigate2(server.url("/target"));
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadBegin") > 0; }));
    EXPECT_EQ(events.log.first(), "BeforeNavigate2 " + server.url("/target") + "|");
    EXPECT_EQ(events.log.at(1), "StatusTextChange ");
}

TEST_F(EngineTest, TextThatIsNoAddressShowsAPageSayingSoAndFails) {
    engine->Navigate2(QStringLiteral("foo bar"));
    ASSERT_TRUE(waitFor([&] { return events.count("DownloadComplete") > 0; }));
    EXPECT_EQ(events.log.first(), "BeforeNavigate2 foo bar|");
    EXPECT_EQ(events.count("NavigateComplete2"), 0);
    const QStringList end = events.log.mid(events.log.size() - 3);
    EXPECT_EQ(end, (QStringList{"DocumentComplete foo bar", "NavigateError foo bar",
                                "DownloadComplete"}));
    EXPECT_EQ(engine->LocationURL(), "foo bar");
    EXPECT_EQ(engine->LocationName(), res::loadString(sid::CannotOpenAddressTitle));
    EXPECT_FALSE(engine->Busy());

    // The next real address is reported as itself again.
    server.addPage("/a", page("Alpha"));
    ASSERT_TRUE(load(server.url("/a")));
    EXPECT_EQ(engine->LocationURL(), server.url("/a"));
    EXPECT_EQ(events.count("NavigateError"), 1);
}

TEST_F(EngineTest, AnAddressWithoutAnswerFailsWithTheEnginesErrorPage) {
    // A port nobody listens on.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    closed.close();
    ASSERT_TRUE(load(url));
    EXPECT_EQ(events.count("DocumentComplete"), 1);
    EXPECT_EQ(events.count("NavigateError " + url), 1);
}

} // namespace
