// A page of the second engine inside browser windows of the window area,
// beside pages of the first engine.
#include "BothEnginesFixture.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

class WebKitEmbedding : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        registerEnginePlugin();
        plugin = EnginePlugin::Load();
        ASSERT_NE(plugin, nullptr);
        ASSERT_TRUE(server.start());
        server.addPage("/a", page("Alpha"));
        frame.setCentralWidget(area);
        frame.resize(900, 700);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    QMdiSubWindow* addWindow(QWidget* content) {
        QMdiSubWindow* window = area->addSubWindow(content);
        window->resize(500, 400);
        window->show();
        return window;
    }

    // The window the page lies in, a child of the top-level window.
    QWindow* clip() const {
        const auto windows =
            frame.windowHandle()->findChildren<QWindow*>(Qt::FindDirectChildrenOnly);
        return windows.isEmpty() ? nullptr : windows.first();
    }

    const EnginePlugin* plugin = nullptr;
    TestHttpServer server;
    QMainWindow frame;
    QMdiArea* area = new QMdiArea;
};

TEST_F(WebKitEmbedding, ThePageFollowsItsWindowAndHidesUnderAnother) {
    RecordingEvents webEvents;
    CWebEngine web;
    web.SetEvents(&webEvents);
    QMdiSubWindow* first = addWindow(web.Widget());
    web.Navigate2(server.url("/a"));
    ASSERT_TRUE(waitFor([&] { return webEvents.count("DocumentComplete") > 0; }));

    RecordingEvents kitEvents;
    CWebKitEngine kit(*plugin);
    kit.SetEvents(&kitEvents);
    QMdiSubWindow* second = addWindow(kit.Widget());
    second->move(60, 60);
    area->setActiveSubWindow(second);
    kit.Navigate2(server.url("/a"));
    ASSERT_TRUE(waitFor([&] { return kitEvents.count("DocumentComplete") > 0; }));

    // No widget of the window area became a native window: the first
    // engine's windows would no longer be drawn.
    EXPECT_EQ(first->internalWinId(), WId(0));
    EXPECT_EQ(second->internalWinId(), WId(0));
    EXPECT_EQ(area->viewport()->internalWinId(), WId(0));

    ASSERT_TRUE(waitFor([&] { return clip() && clip()->isVisible(); }));
    const QRect page(kit.Widget()->mapTo(&frame, QPoint(0, 0)), kit.Widget()->size());
    EXPECT_EQ(clip()->geometry(), page);

    // Moved with its window.
    second->move(120, 90);
    ASSERT_TRUE(waitFor(
        [&] { return clip()->geometry().topLeft() == kit.Widget()->mapTo(&frame, QPoint(0, 0)); }));

    // Another window over it: the page hides rather than cover that window.
    area->setActiveSubWindow(first);
    ASSERT_TRUE(waitFor([&] { return !clip()->isVisible(); }));
    area->setActiveSubWindow(second);
    ASSERT_TRUE(waitFor([&] { return clip()->isVisible(); }));
    // Minimised: hidden.
    second->showMinimized();
    ASSERT_TRUE(waitFor([&] { return !clip()->isVisible(); }));
}

} // namespace
