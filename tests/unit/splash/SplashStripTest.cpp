#include "app/splash/SplashStrip.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 96;

} // namespace

TEST(SplashStripTest, StartsAtTheBandsLeftEdgeCentredOnItsLine) {
    const SplashStrip strip(kWidth, 6);
    EXPECT_EQ(strip.X(), 36);
    EXPECT_EQ(strip.Y(), 252 - 3);
    EXPECT_EQ(strip.Step(), 1);
}

TEST(SplashStripTest, MovesOnePixelPerTickAndTurnsAtBothEndsOfTheBand) {
    SplashStrip strip(kWidth, 6);
    strip.Tick();
    EXPECT_EQ(strip.X(), 37);

    // Right: the step turns on the tick that reaches 416, not before.
    while (strip.X() < 415)
        strip.Tick();
    EXPECT_EQ(strip.Step(), 1);
    strip.Tick();
    EXPECT_EQ(strip.X(), 416);
    EXPECT_EQ(strip.Step(), -1);
    strip.Tick();
    EXPECT_EQ(strip.X(), 415);

    // Left: it turns once its right end is left of 36 (x + width < 36).
    while (strip.X() > 36 - kWidth)
        strip.Tick();
    EXPECT_EQ(strip.Step(), -1) << "right end exactly at 36 still goes on";
    strip.Tick();
    EXPECT_EQ(strip.X(), 36 - kWidth - 1);
    EXPECT_EQ(strip.Step(), 1);
    strip.Tick();
    EXPECT_EQ(strip.X(), 36 - kWidth);
}

TEST(SplashStripTest, ComesBackToItsStartAfterOneRoundTrip) {
    SplashStrip strip(kWidth, 6);
    // 380 ticks right, 380 + 97 left, 97 back to the start.
    const int roundTrip = 2 * (416 - 36) + 2 * (kWidth + 1);
    for (int i = 0; i < roundTrip; ++i)
        strip.Tick();
    EXPECT_EQ(strip.X(), 36);
    EXPECT_EQ(strip.Step(), 1);
}

TEST(SplashStripTest, OnlyThePartInsideTheBandIsDrawn) {
    SplashStrip strip(kWidth, 6);
    SplashStrip::Span span = strip.Visible();
    EXPECT_EQ(span.x, 36);
    EXPECT_EQ(span.sourceX, 0);
    EXPECT_EQ(span.width, kWidth);

    while (strip.X() < 400)
        strip.Tick();
    span = strip.Visible();
    EXPECT_EQ(span.x, 400);
    EXPECT_EQ(span.sourceX, 0);
    EXPECT_EQ(span.width, 16) << "cut at 416";

    while (strip.X() < 416)
        strip.Tick();
    EXPECT_EQ(strip.Visible().width, 0) << "wholly past the band";

    while (strip.X() > 36 - 50)
        strip.Tick();
    span = strip.Visible();
    EXPECT_EQ(span.x, 36);
    EXPECT_EQ(span.sourceX, 50);
    EXPECT_EQ(span.width, kWidth - 50) << "cut at 36";
}

TEST(SplashStripTest, AStripWiderThanTheBandIsCutAtBothEnds) {
    SplashStrip strip(500, 6);
    const SplashStrip::Span span = strip.Visible();
    EXPECT_EQ(span.x, 36);
    EXPECT_EQ(span.width, 416 - 36);
}
