#include "frame/WindowBarLayout.h"

#include "app/CAppSettings.h"

#include <gtest/gtest.h>

TEST(WindowBarBand, HeightFollowsRowsAndTabHeight) {
    EXPECT_EQ(windowBarBandHeight(0, std::nullopt), 24); // (23 + 3) x 1 - 2
    EXPECT_EQ(windowBarBandHeight(1, 22), 23);
    EXPECT_EQ(windowBarBandHeight(3, 22), 73);
    EXPECT_EQ(windowBarBandHeight(-4, 30), 31);
}

TEST(WindowBarFitting, WidthsOfTheTabCountAndTabWidth) {
    EXPECT_EQ(fittedTabSize(1000, 10, 150), QSize(88, 22));
    EXPECT_EQ(fittedTabSize(1000, 10, 60), QSize(60, 22));
    EXPECT_EQ(fittedTabSize(1000, 200, 150), QSize(5, 22));
    EXPECT_EQ(fittedTabSize(1000, 1, 150), QSize(150, 22));
    EXPECT_EQ(fittedTabSize(1000, 0, 150), std::nullopt);
    EXPECT_EQ(fittedTabSize(1000, -3, 150), std::nullopt);
}

TEST(WindowBarFitting, NarrowBarsAndBoundaries) {
    // w = 5 is the first width taken as it is; 4 and below give 5 too.
    EXPECT_EQ(fittedTabSize(10 * 2 + 20 + 2 * 5, 2, 150), QSize(5, 22));
    EXPECT_EQ(fittedTabSize(10 * 2 + 20 + 2 * 6, 2, 150), QSize(6, 22));
    EXPECT_EQ(fittedTabSize(0, 3, 150), QSize(5, 22));
    EXPECT_EQ(fittedTabSize(-500, 3, 150), QSize(5, 22));
    EXPECT_EQ(fittedTabSize(100, 2'000'000'000, 150), QSize(5, 22));
    EXPECT_EQ(fittedTabSize(2'000'000'000, 1, 200), QSize(200, 22));
}

TEST(WindowBarStyleFlags, FromTheOptions) {
    WindowBarOptions options; // the defaults: flat, fixed, single line, fitted
    WindowBarStyle style = windowBarStyle(options);
    EXPECT_TRUE(style.flat);
    EXPECT_TRUE(style.fixedWidth);
    EXPECT_FALSE(style.multiRow);
    EXPECT_TRUE(style.fitWidth);
    EXPECT_EQ(style.itemSize, std::nullopt);
    EXPECT_TRUE(fitsWidthOnRelayout(options));
    EXPECT_TRUE(fitsWidthOnFrameResize(options));

    options.fixedWidthType = 0;
    options.tabWidth = 120;
    options.singleLine = false;
    options.flat = false;
    style = windowBarStyle(options);
    EXPECT_FALSE(style.flat);
    EXPECT_TRUE(style.multiRow);
    EXPECT_FALSE(style.fitWidth);
    EXPECT_EQ(style.itemSize, QSize(120, 22));
    EXPECT_FALSE(fitsWidthOnRelayout(options));

    // Without fixed width there is no item size at all.
    options.fixedWidth = false;
    options.fixedWidthType = 1;
    options.singleLine = true;
    style = windowBarStyle(options);
    EXPECT_FALSE(style.fitWidth);
    EXPECT_EQ(style.itemSize, std::nullopt);
    EXPECT_FALSE(fitsWidthOnRelayout(options));
    EXPECT_TRUE(fitsWidthOnFrameResize(options));
}

TEST(WindowBarStyleCommands, SingleLineAndFixedWidthResetTheFitting) {
    WindowBarOptions options;
    toggleSingleLineTabs(options);
    EXPECT_FALSE(options.singleLine);
    EXPECT_EQ(options.fixedWidthType, 0);
    options.fixedWidthType = 1;
    toggleSingleLineTabs(options); // back to one line: the type stays
    EXPECT_TRUE(options.singleLine);
    EXPECT_EQ(options.fixedWidthType, 1);

    options.singleLine = false;
    options.fixedWidth = false;
    toggleFixedWidthTabs(options);
    EXPECT_TRUE(options.fixedWidth);
    EXPECT_EQ(options.fixedWidthType, 0);
    options.fixedWidthType = 1;
    options.singleLine = true;
    toggleFixedWidthTabs(options);
    toggleFixedWidthTabs(options);
    EXPECT_EQ(options.fixedWidthType, 1);
}

TEST(WindowBarStyleCommands, FitWidthForcesOneLineFixedTabs) {
    WindowBarOptions options;
    options.singleLine = false;
    options.fixedWidth = false;
    options.fixedWidthType = 0;
    toggleFitWidthTabs(options);
    EXPECT_TRUE(options.singleLine);
    EXPECT_TRUE(options.fixedWidth);
    EXPECT_EQ(options.fixedWidthType, 1);
    toggleFitWidthTabs(options);
    EXPECT_EQ(options.fixedWidthType, 0);
    options.fixedWidthType = 7; // a stray stored value flips to 1
    toggleFitWidthTabs(options);
    EXPECT_EQ(options.fixedWidthType, 1);
}

TEST(WindowBarMenu, ChecksAndEnabling) {
    WindowBarOptions options;
    WindowBarMenuState state = windowBarMenuState(options, true);
    EXPECT_TRUE(state.singleLineChecked && state.fixedWidthChecked);
    EXPECT_TRUE(state.fitWidthChecked && state.fitWidthEnabled);
    EXPECT_TRUE(state.topChecked);
    EXPECT_FALSE(state.bottomChecked || state.hideChecked);

    options.fixedWidth = false;
    options.tabPosition = 2;
    state = windowBarMenuState(options, true);
    EXPECT_TRUE(state.fitWidthChecked); // checked by line and type alone
    EXPECT_FALSE(state.fitWidthEnabled);
    EXPECT_TRUE(state.bottomChecked);

    state = windowBarMenuState(options, false);
    EXPECT_TRUE(state.hideChecked);
    EXPECT_FALSE(state.topChecked || state.bottomChecked);
}

TEST(WindowBarOptionsStore, DefaultsAreThoseOfTheSettings) {
    EXPECT_EQ(WindowBarOptions::fromSettings(CAppSettings()), WindowBarOptions());
}

TEST(WindowBarOptionsStore, ReadsAndWritesTheSettings) {
    CAppSettings settings;
    settings.UseSingleLineTabs = 1;
    settings.UseFixedWidthTab = 5; // any non-zero value is on
    settings.FixedTabWidthType = 1;
    settings.SetTabWidth(150);
    settings.TabPosition = 2;
    WindowBarOptions options = WindowBarOptions::fromSettings(settings);
    EXPECT_TRUE(options.fixedWidth);
    EXPECT_EQ(options.tabWidth, 150);
    EXPECT_EQ(options.tabPosition, 2);

    toggleSingleLineTabs(options);
    options.storeStyle(settings);
    EXPECT_EQ(settings.UseSingleLineTabs, 0);
    EXPECT_EQ(settings.UseFixedWidthTab, 1);
    EXPECT_EQ(settings.FixedTabWidthType, 0);
}
