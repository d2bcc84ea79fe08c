#include "frame/WindowPlacement.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QtEndian>

using namespace platform;

namespace {

WindowPlacement sample(std::uint32_t showCmd) {
    WindowPlacement p;
    p.flags = 2;
    p.showCmd = showCmd;
    p.minPosition = {-32000, -32000};
    p.maxPosition = {-4, -4};
    p.normalPosition = {-50, 20, 1230, 980};
    return p;
}

std::int32_t fieldAt(const QByteArray& data, int offset) {
    return qFromLittleEndian<qint32>(data.constData() + offset);
}

} // namespace

TEST(WindowPlacementRecord, EncodesTheFortyFourByteLayout) {
    const QByteArray data = sample(kShowMaximized).encode();
    ASSERT_EQ(data.size(), 44);
    EXPECT_EQ(fieldAt(data, 0), 44);
    EXPECT_EQ(fieldAt(data, 4), 2);
    EXPECT_EQ(fieldAt(data, 8), 3);
    EXPECT_EQ(fieldAt(data, 12), -32000);
    EXPECT_EQ(fieldAt(data, 20), -4);
    EXPECT_EQ(fieldAt(data, 28), -50);
    EXPECT_EQ(fieldAt(data, 32), 20);
    EXPECT_EQ(fieldAt(data, 36), 1230);
    EXPECT_EQ(fieldAt(data, 40), 980);
    EXPECT_EQ(WindowPlacement::decode(data), sample(kShowMaximized));
}

TEST(WindowPlacementRecord, RefusesOtherSizesAndLengthFields) {
    const QByteArray good = sample(kShowNormal).encode();
    EXPECT_EQ(WindowPlacement::decode(QByteArray()), std::nullopt);
    EXPECT_EQ(WindowPlacement::decode(good.left(43)), std::nullopt);
    EXPECT_EQ(WindowPlacement::decode(good + '\0'), std::nullopt);
    for (std::uint32_t length : {0u, 40u, 45u, 0xFFFFFFFFu}) {
        WindowPlacement bad = sample(kShowNormal);
        bad.length = length;
        EXPECT_EQ(WindowPlacement::decode(bad.encode()), std::nullopt) << length;
    }
}

TEST(WindowPlacementRecord, NormalRectangleMustBeBelievable) {
    EXPECT_TRUE(sample(kShowNormal).hasSaneNormalRect());
    const PlacementRect bad[] = {
        {0, 0, 0, 100},                      // no width
        {100, 0, 50, 100},                   // negative width
        {0, 0, 100, 0},                      // no height
        {0, 0, 100001, 100},                 // absurdly wide
        {INT32_MIN, 0, INT32_MAX, 100},      // width overflows 32 bits
        {0, INT32_MIN, 100, INT32_MIN + 50}, // far off any screen
    };
    for (const PlacementRect& rect : bad) {
        WindowPlacement p = sample(kShowNormal);
        p.normalPosition = rect;
        EXPECT_FALSE(p.hasSaneNormalRect()) << rect.left << "," << rect.top;
        EXPECT_EQ(planRestoredPlacement(p), std::nullopt);
    }
}

TEST(WindowPlacementRule, MinimisedOpensNormalAndMaximisedStaysUnmoved) {
    const PlacementRect rect = sample(kShowNormal).normalPosition;
    EXPECT_EQ(planRestoredPlacement(sample(kShowMinimized)),
              (RestoredPlacement{kShowNormal, rect}));
    EXPECT_EQ(planRestoredPlacement(sample(kShowMaximized)),
              (RestoredPlacement{kShowMaximized, std::nullopt}));
    EXPECT_EQ(planRestoredPlacement(sample(kShowNormal)), (RestoredPlacement{kShowNormal, rect}));
    EXPECT_EQ(planRestoredPlacement(sample(5)), (RestoredPlacement{5, rect}));
}

TEST(WindowPlacementRule, HiddenMinimisingAndUnknownCommandsOpenNormal) {
    const PlacementRect rect = sample(kShowNormal).normalPosition;
    for (std::uint32_t cmd :
         {kShowHide, kShowMinimize, kShowMinNoActivate, kShowForceMinimize, 12u, 0xFFFFFFFFu})
        EXPECT_EQ(planRestoredPlacement(sample(cmd)), (RestoredPlacement{kShowNormal, rect}))
            << cmd;
}

TEST(WindowPlacementRegistry, ReadsOnlyBinaryRecords) {
    testenv::useFreshRegistry();
    const RegKey settings =
        RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings");
    EXPECT_EQ(readMainFramePosition(settings), std::nullopt);
    ASSERT_EQ(writeMainFramePosition(settings, sample(kShowMaximized)), ERROR_SUCCESS);
    EXPECT_EQ(readMainFramePosition(settings), sample(kShowMaximized));
    EXPECT_EQ(settings.readBinary("MainFramePosition")->size(), 44);

    settings.setString("MainFramePosition", QString(21, u'x')); // 44 bytes as text
    EXPECT_EQ(readMainFramePosition(settings), std::nullopt);
    settings.setBinary("MainFramePosition", QByteArray(44, '\x2c'));
    EXPECT_EQ(readMainFramePosition(settings), std::nullopt);
}
