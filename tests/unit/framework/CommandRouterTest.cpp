#include "framework/CommandRouter.h"
#include "framework/CommandTarget.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

namespace {

// A target that records what ran on it.
class RecordingTarget : public CommandTarget {
public:
    explicit RecordingTarget(QString name, QStringList* log)
        : m_name(std::move(name)), m_log(log) {}
    void handle(unsigned id) {
        commands().on(id, [this, id] { *m_log << QStringLiteral("%1:%2").arg(m_name).arg(id); });
    }

private:
    QString m_name;
    QStringList* m_log;
};

class CommandRouterTest : public ::testing::Test {
protected:
    CommandRouterTest() {
        router.setApplication(&app);
        router.setMainFrame(&mainFrame);
        router.setActiveWindow(&view, &childFrame);
    }
    QStringList log;
    RecordingTarget view{"view", &log};
    RecordingTarget childFrame{"child", &log};
    RecordingTarget mainFrame{"frame", &log};
    RecordingTarget app{"app", &log};
    CommandRouter router;
};

TEST_F(CommandRouterTest, CommandGoesToTheFirstTargetOfTheChainThatHandlesIt) {
    view.handle(100);
    mainFrame.handle(100);
    app.handle(100);
    childFrame.handle(200);
    mainFrame.handle(200);
    app.handle(300);

    EXPECT_TRUE(router.execute(100));
    EXPECT_TRUE(router.execute(200));
    EXPECT_TRUE(router.execute(300));
    EXPECT_EQ(log, (QStringList{"view:100", "child:200", "app:300"}));
}

TEST_F(CommandRouterTest, WithoutActiveWindowTheFrameHandlesWhatTheViewWould) {
    view.handle(100);
    mainFrame.handle(100);
    router.setActiveWindow(nullptr, nullptr);

    EXPECT_TRUE(router.execute(100));
    EXPECT_EQ(log, QStringList{"frame:100"});
}

TEST_F(CommandRouterTest, ActiveWindowSourceIsAskedAtEveryRouting) {
    view.handle(100);
    mainFrame.handle(100);
    CommandTarget* activeView = &view;
    router.setActiveWindowSource([&] { return CommandRouter::ActiveWindow{activeView, nullptr}; });

    router.execute(100);
    activeView = nullptr; // the window closed
    router.execute(100);
    EXPECT_EQ(log, (QStringList{"view:100", "frame:100"}));
}

TEST_F(CommandRouterTest, UnhandledCommandIsDisabledAndNotExecuted) {
    EXPECT_FALSE(router.isEnabled(12345));
    EXPECT_FALSE(router.execute(12345));
    mainFrame.handle(12345);
    EXPECT_TRUE(router.isEnabled(12345));
}

TEST_F(CommandRouterTest, FirstUpdateHandlerDecidesTheState) {
    view.commands().onUpdate(100, [](CommandState& s) { s.enable(false); });
    mainFrame.commands().onUpdate(100, [](CommandState& s) {
        s.enable(true);
        s.setCheck();
    });
    mainFrame.handle(100);

    const CommandState state = router.stateOf(100);
    EXPECT_FALSE(state.isEnabled());
    EXPECT_FALSE(state.isChecked()); // the frame's handler never ran
    EXPECT_FALSE(router.execute(100)) << "a disabled command must not run";
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(CommandRouterTest, UpdateHandlerElsewhereInTheChainAppliesToAnotherTargetsCommand) {
    // The frame executes the command, the application computes its state.
    mainFrame.handle(32817);
    bool moreThanOneWindow = false;
    app.commands().onUpdate(32817, [&](CommandState& s) { s.enable(moreThanOneWindow); });

    EXPECT_FALSE(router.isEnabled(32817));
    EXPECT_FALSE(router.execute(32817));
    moreThanOneWindow = true;
    EXPECT_TRUE(router.execute(32817));
    EXPECT_EQ(log, QStringList{"frame:32817"});
}

TEST_F(CommandRouterTest, UpdateCarriesCheckRadioAndText) {
    app.commands().onUpdate(1, [](CommandState& s) {
        s.setRadio();
        s.setCheck();
        s.setText("x");
    });
    const CommandState state = router.stateOf(1);
    EXPECT_TRUE(state.isEnabled());
    EXPECT_TRUE(state.isRadio());
    EXPECT_TRUE(state.isChecked());
    EXPECT_EQ(state.text(), QString("x"));
}

TEST_F(CommandRouterTest, OptionalHandlerThatDeclinesPassesTheCommandOn) {
    bool addressBoxHasFocus = false;
    view.handle(57634);
    childFrame.commands().onOptional(57634, [&](unsigned) {
        if (!addressBoxHasFocus)
            return false;
        log << "address:copy";
        return true;
    });
    // The view comes first; put the optional handler first to see it decline.
    router.setActiveWindow(&childFrame, &view);

    router.execute(57634);
    addressBoxHasFocus = true;
    router.execute(57634);
    EXPECT_EQ(log, (QStringList{"view:57634", "address:copy"}));
}

TEST_F(CommandRouterTest, RangeHandlersGetTheIdAndLaterRegistrationsWin) {
    std::vector<unsigned> seen;
    mainFrame.commands().onRange(
        cmd::ClosedWindows, [&](unsigned id) { seen.push_back(cmd::ClosedWindows.index(id)); });
    mainFrame.commands().on(cmd::ClosedWindows.at(5), [&] { seen.push_back(999); });

    router.execute(cmd::ClosedWindows.first);
    router.execute(cmd::ClosedWindows.last);
    router.execute(cmd::ClosedWindows.at(5));
    EXPECT_FALSE(router.execute(cmd::ClosedWindows.last + 1));
    EXPECT_EQ(seen, (std::vector<unsigned>{0, 99, 999}));

    mainFrame.commands().onUpdateRange(cmd::ClosedWindows,
                                       [](CommandState& s) { s.enable(s.id() % 2 == 0); });
    EXPECT_TRUE(router.isEnabled(32846));
    EXPECT_FALSE(router.isEnabled(32847));
}

TEST_F(CommandRouterTest, HandlerMayDestroyItsTarget) {
    auto doomed = std::make_unique<RecordingTarget>("doomed", &log);
    doomed->commands().on(57602, [&] { doomed.reset(); });
    router.setActiveWindowSource([&] {
        return CommandRouter::ActiveWindow{doomed.get(), nullptr};
    });
    int notified = 0;
    router.addExecutedListener([&](unsigned id) {
        EXPECT_EQ(id, 57602u);
        ++notified;
    });

    EXPECT_TRUE(router.execute(57602));
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(notified, 1);
    EXPECT_FALSE(router.isEnabled(57602));
}

TEST_F(CommandRouterTest, DispatchSkipsTheStateCheck) {
    mainFrame.handle(7);
    mainFrame.commands().onUpdate(7, [](CommandState& s) { s.enable(false); });
    EXPECT_FALSE(router.execute(7));
    EXPECT_TRUE(router.dispatch(7));
    EXPECT_EQ(log, QStringList{"frame:7"});
}

} // namespace
