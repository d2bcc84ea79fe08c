#include "app/DisplayPlatform.h"

#include <gtest/gtest.h>

namespace {

DisplayEnvironment env(std::string wayland, std::string x11, std::string qpa = {},
                       std::string session = {}) {
    return {std::move(wayland), std::move(x11), std::move(qpa), std::move(session)};
}

} // namespace

TEST(DisplayPlatform, WaylandWithTheSecondEngineRunsThroughXWayland) {
    int asked = 0;
    const auto available = [&asked] {
        ++asked;
        return true;
    };
    EXPECT_EQ(ChooseDisplayPlatform(env("wayland-0", ":0"), available), std::string("xcb"));
    EXPECT_EQ(ChooseDisplayPlatform(env("", ":0", "", "wayland"), available), std::string("xcb"));
    EXPECT_EQ(asked, 2);
}

TEST(DisplayPlatform, QtChoosesWhenTheSecondEngineCannotBeUsedOrTheUserNamedAPlatform) {
    int asked = 0;
    const auto available = [&asked] {
        ++asked;
        return true;
    };
    // An X11 session, a named platform, or no X server beside the compositor:
    // the store is not even read.
    EXPECT_EQ(ChooseDisplayPlatform(env("", ":0", "", "x11"), available), std::nullopt);
    EXPECT_EQ(ChooseDisplayPlatform(env("wayland-0", ":0", "wayland"), available), std::nullopt);
    EXPECT_EQ(ChooseDisplayPlatform(env("wayland-0", ""), available), std::nullopt);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(ChooseDisplayPlatform(env("wayland-0", ":0"), [] { return false; }), std::nullopt);
    EXPECT_EQ(ChooseDisplayPlatform(env("wayland-0", ":0"), nullptr), std::nullopt);
}
