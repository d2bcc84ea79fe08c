#include "frame/WindowBarTabRules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(TabText, BlanksForEncodedSpacesAndLongTitlesCut) {
    EXPECT_EQ(tabDisplayText("news%20today"), "news today");
    EXPECT_EQ(tabDisplayText("%20%20"), "  ");
    EXPECT_EQ(tabDisplayText(""), "");

    const QString sixtyFour(64, QLatin1Char('a'));
    EXPECT_EQ(tabDisplayText(sixtyFour), sixtyFour);
    const QString seventy = QString(61, QLatin1Char('a')) + QString(9, QLatin1Char('b'));
    EXPECT_EQ(tabDisplayText(seventy), QString(61, QLatin1Char('a')) + "...");

    // The length is judged after the blanks went in: 66 units become 64.
    const QString encoded = QString(60, QLatin1Char('a')) + "%20bc";
    EXPECT_EQ(tabDisplayText(encoded), QString(60, QLatin1Char('a')) + " bc");
}

TEST(TabText, CutsNeverSplitASurrogatePair) {
    // U+1F600 takes two UTF-16 units; put its first half at the cut.
    const QString face = QString::fromUcs4(U"\U0001F600");
    const QString text = QString(60, QLatin1Char('a')) + face + QString(10, QLatin1Char('z'));
    const QString shown = tabDisplayText(text);
    EXPECT_EQ(shown, QString(60, QLatin1Char('a')) + "...");
    EXPECT_FALSE(shown.at(shown.size() - 4).isHighSurrogate());

    const QString tip = tabTooltipText(QString(78, QLatin1Char('t')) + face);
    EXPECT_EQ(tip, QString(78, QLatin1Char('t')));
}

TEST(TabText, TooltipKeepsWhatTheBufferHolds) {
    EXPECT_EQ(tabTooltipText("Short"), "Short");
    EXPECT_EQ(tabTooltipText(QString(200, QLatin1Char('t'))).size(), kTabTooltipBuffer - 1);
}

TEST(PageLoadPercent, EngineReportsToPercent) {
    EXPECT_EQ(pageLoadPercent(50, 0), 100);
    EXPECT_EQ(pageLoadPercent(-1, 200), 100);
    EXPECT_EQ(pageLoadPercent(150, 200), 75);
    EXPECT_EQ(pageLoadPercent(200, 200), 100);
    EXPECT_EQ(pageLoadPercent(300, 200), 100);
    EXPECT_EQ(pageLoadPercent(0, 200), 0);
    EXPECT_EQ(pageLoadPercent(5, -10), 100);
    EXPECT_EQ(pageLoadPercent(199, 200), 99);
}

TEST(PageLoadPercent, HugeValuesNeitherOverflowNorRoundUp) {
    constexpr std::int64_t top = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(pageLoadPercent(top - 1, top), 99);
    EXPECT_EQ(pageLoadPercent(top / 2, top), 49);
    EXPECT_EQ(pageLoadPercent(std::numeric_limits<std::int64_t>::min(), top), 100);
    EXPECT_EQ(pageLoadPercent(1, top), 0);
}

TEST(TabPicture, ProgressStepsAndRest) {
    EXPECT_EQ(tabProgressImage(0, false), 0);
    EXPECT_EQ(tabProgressImage(12, false), 0);
    EXPECT_EQ(tabProgressImage(13, false), 1);
    EXPECT_EQ(tabProgressImage(24, false), 1);
    EXPECT_EQ(tabProgressImage(25, false), 2);
    EXPECT_EQ(tabProgressImage(50, false), 4);
    EXPECT_EQ(tabProgressImage(87, false), 6);
    EXPECT_EQ(tabProgressImage(88, false), 7);
    EXPECT_EQ(tabProgressImage(99, false), 7);
    EXPECT_EQ(tabProgressImage(100, false), 8);
    EXPECT_EQ(tabProgressImage(-1, false), 9);
    EXPECT_EQ(tabProgressImage(50, true), 14);
    EXPECT_EQ(tabProgressImage(-1, true), 19);
    // Every accepted percent gives a picture of the list.
    for (int percent = -1; percent <= 100; ++percent) {
        EXPECT_TRUE(isTabPercent(percent));
        for (bool locked : {false, true}) {
            const int image = tabProgressImage(percent, locked);
            EXPECT_GE(image, locked ? 10 : 0);
            EXPECT_LT(image, locked ? kTabImageCount : 10);
        }
    }
    EXPECT_FALSE(isTabPercent(-2));
    EXPECT_FALSE(isTabPercent(101));
}

TEST(TabPicture, BusyRuleAppliesToTheCurrentTabOnly) {
    EXPECT_EQ(tabShownPercent(100, true, true), 100);
    EXPECT_EQ(tabShownPercent(100, true, false), -1);
    EXPECT_EQ(tabShownPercent(-1, true, true), 100);
    EXPECT_EQ(tabShownPercent(-1, true, false), -1);
    EXPECT_EQ(tabShownPercent(60, true, false), 60);
    EXPECT_EQ(tabShownPercent(100, false, false), 100);
    EXPECT_EQ(tabShownPercent(-1, false, true), -1);
}

TEST(TabPicture, LockMarkAddsAndRemovesTen) {
    for (int image = 0; image < 10; ++image) {
        EXPECT_EQ(tabLockMarkImage(image, true), image + 10);
        EXPECT_EQ(tabLockMarkImage(image, false), image);
        EXPECT_EQ(tabLockMarkImage(image + 10, false), image);
        EXPECT_EQ(tabLockMarkImage(image + 10, true), image + 10);
        EXPECT_FALSE(isLockedTabImage(image));
        EXPECT_TRUE(isLockedTabImage(image + 10));
    }
}
