#include "frame/ReBarLayout.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QtEndian>

using namespace platform;

namespace {

const StandardButtonsMetrics kButtons{40, 22, 7};

std::vector<std::uint32_t> ids(const ReBarLayout& layout) {
    std::vector<std::uint32_t> out;
    for (const ReBarBand& b : layout.bands)
        out.push_back(b.id);
    return out;
}

std::uint32_t fieldOf(const QByteArray& data, int record, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + record * 80 + offset);
}

void setField(QByteArray& data, int record, int offset, std::uint32_t value) {
    qToLittleEndian<quint32>(value, data.data() + record * 80 + offset);
}

// The layout a user gets after a restart when the bars were left as given.
ReBarLayout restart(const ReBarLayout& saved) {
    testenv::useFreshRegistry();
    const RegKey settings =
        RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings");
    EXPECT_EQ(writeReBarLayout(settings, saved), ERROR_SUCCESS);
    return readReBarLayout(settings, kButtons);
}

} // namespace

TEST(ReBarDefaults, BandsRowsAndSizesOfAFirstRun) {
    const ReBarLayout layout = ReBarLayout::defaults(kButtons);
    EXPECT_EQ(ids(layout), (std::vector<std::uint32_t>{1007, 1008, 1009, 1014, 1010}));
    for (const ReBarBand& b : layout.bands)
        EXPECT_TRUE(b.visible()) << b.id;

    const ReBarBand& buttons = layout.bands[0];
    EXPECT_FALSE(buttons.startsRow());
    EXPECT_EQ(buttons.style, kBandStyleGripperAlways | kBandStyleFixedBitmap);
    EXPECT_EQ(buttons.minChildWidth, 40u);
    EXPECT_EQ(buttons.minChildHeight, 22u);
    EXPECT_EQ(buttons.width, 7u * 40u + 10u);
    EXPECT_EQ(buttons.idealWidth, buttons.width);

    const ReBarBand& address = *layout.band(kBandAddress);
    EXPECT_EQ(address.minChildWidth, 200u);
    EXPECT_EQ(address.width, 400u);
    EXPECT_EQ(address.idealWidth, 400u);

    const ReBarBand& animation = *layout.band(kBandAnimation);
    EXPECT_EQ(animation.style, kBandStyleChildEdge | kBandStyleFixedSize | kBandStyleFixedBitmap);
    EXPECT_EQ(animation.width, 32u);
    EXPECT_FALSE(animation.mask & kBandMaskIdealSize);

    const ReBarBand& links = *layout.band(kBandLinks);
    EXPECT_TRUE(links.startsRow());
    EXPECT_EQ(links.text, QString::fromUtf8("链接   "));
    EXPECT_TRUE(links.mask & kBandMaskText);
    EXPECT_EQ(links.minChildHeight, 22u);

    const ReBarBand& windowBar = *layout.band(kBandWindowBar);
    EXPECT_TRUE(windowBar.startsRow());
    EXPECT_EQ(windowBar.minChildWidth, 10u);
    EXPECT_EQ(windowBar.width, 10u);

    // Absurd toolbar metrics cannot overflow the width.
    const ReBarLayout huge = ReBarLayout::defaults({INT_MAX, -5, INT_MAX});
    EXPECT_EQ(huge.bands[0].width, ReBarLayout::kMaxExtent);
    EXPECT_EQ(huge.bands[0].minChildHeight, 0u);
}

TEST(ReBarRecord, FieldsSitWhereTheSavedFormPutsThem) {
    ReBarLayout layout = ReBarLayout::defaults(kButtons);
    layout.bands[3].child = 0;
    const QByteArray data = layout.encode();
    ASSERT_EQ(data.size(), 400);
    EXPECT_EQ(fieldOf(data, 0, 0), 80u);    // size
    EXPECT_EQ(fieldOf(data, 0, 52), 1007u); // id
    EXPECT_EQ(fieldOf(data, 0, 44), 290u);  // width
    EXPECT_EQ(fieldOf(data, 1, 36), 200u);  // minimum child width
    EXPECT_EQ(fieldOf(data, 3, 8), kBandStyleBreak | kBandStyleGripperAlways); // style
    EXPECT_EQ(fieldOf(data, 3, 32), 0u);                                       // child: hidden
    EXPECT_EQ(fieldOf(data, 4, 32), 1u);                                       // child: visible
    EXPECT_EQ(fieldOf(data, 3, 4) & kBandMaskText, 0u);                        // text is not saved
}

TEST(ReBarRecord, RoundTripKeepsEveryField) {
    ReBarLayout layout;
    for (std::uint32_t id : {1014u, 1010u, 1007u, 1009u, 1008u}) {
        ReBarBand b;
        b.mask = kBandSavedMask;
        b.id = id;
        b.style = kBandStyleBreak | kBandStyleNoGripper;
        b.image = -1;
        b.child = id == 1009 ? 0 : 1;
        b.minChildWidth = id + 1;
        b.minChildHeight = id + 2;
        b.width = id + 3;
        b.background = 77;
        b.childHeight = 5;
        b.maxChildHeight = 6;
        b.heightStep = 7;
        b.idealWidth = id + 4;
        b.param = 0xDEADBEEF;
        b.headerWidth = 9;
        layout.bands.push_back(b);
    }
    EXPECT_EQ(ReBarLayout::decode(layout.encode()), layout);
}

TEST(ReBarRestore, HiddenLinksBandComesBackHiddenWithItsCaption) {
    ReBarLayout saved = ReBarLayout::defaults(kButtons);
    std::swap(saved.bands[0], saved.bands[1]);
    saved.band(kBandLinks)->child = 0;
    const ReBarLayout restored = restart(saved);

    EXPECT_EQ(ids(restored), (std::vector<std::uint32_t>{1008, 1007, 1009, 1014, 1010}));
    EXPECT_FALSE(restored.band(kBandLinks)->visible());
    EXPECT_EQ(restored.band(kBandLinks)->text, QString::fromUtf8("链接   "));
    EXPECT_TRUE(restored.band(kBandLinks)->mask & kBandMaskText);
    EXPECT_TRUE(restored.band(kBandAddress)->visible());
    // Restoring gives the window bar a wider minimum and the animation its
    // fixed shape, whatever was saved.
    EXPECT_EQ(restored.band(kBandWindowBar)->minChildWidth, 100u);
    EXPECT_EQ(restored.band(kBandAnimation)->minChildWidth, 32u);
    EXPECT_EQ(restored.band(kBandAnimation)->minChildHeight, 18u);
}

TEST(ReBarRestore, ShortValuesAreReadAsFarAsTheyGoAndTheRestFilledIn) {
    ReBarLayout saved = ReBarLayout::defaults(kButtons);
    saved.bands = {saved.bands[4], saved.bands[2], saved.bands[0]};
    saved.bands[0].width = 555;
    const QByteArray full = saved.encode();

    // Two and a half records: the half is ignored, missing bands appended.
    auto partial = ReBarLayout::decode(full.left(200));
    ASSERT_TRUE(partial);
    EXPECT_EQ(ids(*partial), (std::vector<std::uint32_t>{1010, 1009}));
    partial->applyRestoreRules(kButtons);
    EXPECT_EQ(ids(*partial), (std::vector<std::uint32_t>{1010, 1009, 1007, 1008, 1014}));
    EXPECT_EQ(partial->bands[0].width, 555u);
    EXPECT_EQ(*partial->band(kBandLinks), *ReBarLayout::defaults(kButtons).band(kBandLinks));

    EXPECT_EQ(ReBarLayout::decode(full.left(79)), std::nullopt);
    EXPECT_EQ(ReBarLayout::decode(QByteArray()), std::nullopt);
}

TEST(ReBarRestore, UnsoundRecordsAreDroppedOrClamped) {
    QByteArray data = ReBarLayout::defaults(kButtons).encode();
    setField(data, 0, 52, 4242);        // unknown id
    setField(data, 2, 52, 1008);        // the address band a second time
    setField(data, 3, 0, 56);           // a record of another size
    setField(data, 1, 44, 0xFFFFFFF0u); // absurd width
    setField(data, 1, 36, 3000000);     // absurd minimum width
    setField(data, 1, 8, 0xFFFFFFFFu);  // unknown style bits
    setField(data, 1, 4, 0xFFFFFFFFu);  // unknown mask bits
    setField(data, 4, 32, 0x12345678u); // a window handle instead of a flag
    const auto layout = ReBarLayout::decode(data);
    ASSERT_TRUE(layout);
    EXPECT_EQ(ids(*layout), (std::vector<std::uint32_t>{1008, 1010}));
    const ReBarBand& address = layout->bands[0];
    EXPECT_EQ(address.width, ReBarLayout::kMaxExtent);
    EXPECT_EQ(address.minChildWidth, ReBarLayout::kMaxExtent);
    EXPECT_EQ(address.style, kBandStyleKnownBits);
    EXPECT_EQ(address.mask, kBandSavedMask);
    EXPECT_EQ(layout->bands[1].child, 1u);
}

TEST(ReBarRestore, GarbageNeverCrashesAndLeavesEveryBandOnce) {
    QRandomGenerator random(7);
    for (int round = 0; round < 2000; ++round) {
        QByteArray data(static_cast<int>(random.bounded(420)), '\0');
        for (char& c : data)
            c = static_cast<char>(random.bounded(256));
        // Make some records look plausible so the deeper checks run too.
        for (int r = 0; r + 1 <= data.size() / 80; ++r) {
            if (random.bounded(2)) {
                setField(data, r, 0, 80);
                setField(data, r, 52, 1007 + random.bounded(8));
            }
        }
        auto layout = ReBarLayout::decode(data);
        if (!layout)
            continue;
        EXPECT_LE(data.size(), 400);
        layout->applyRestoreRules(kButtons);
        auto sorted = ids(*layout);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<std::uint32_t>{1007, 1008, 1009, 1010, 1014}));
        for (const ReBarBand& b : layout->bands)
            EXPECT_LE(b.width, ReBarLayout::kMaxExtent);
    }
}

TEST(ReBarRegistry, MissingWrongTypeOrOversizeValuesGiveTheDefaults) {
    testenv::useFreshRegistry();
    const RegKey settings =
        RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings");
    const ReBarLayout defaults = ReBarLayout::defaults(kButtons);
    EXPECT_EQ(readReBarLayout(settings, kButtons), defaults);

    QByteArray saved = defaults.encode();
    std::reverse(saved.begin(), saved.end()); // nothing sound left
    settings.setBinary("ReBar", saved);
    EXPECT_EQ(readReBarLayout(settings, kButtons), defaults);

    settings.setBinary("ReBar", defaults.encode() + QByteArray(80, '\0'));
    EXPECT_EQ(readReBarLayout(settings, kButtons), defaults);

    settings.setDword("ReBar", 1);
    EXPECT_EQ(readReBarLayout(settings, kButtons), defaults);
}

TEST(ReBarLock, GripperBitsFollowTheLockExceptOnTheAnimation) {
    const std::uint32_t style = kBandStyleBreak | kBandStyleGripperAlways;
    EXPECT_EQ(lockedBandStyle(kBandLinks, style, true), kBandStyleBreak | kBandStyleNoGripper);
    EXPECT_EQ(lockedBandStyle(kBandLinks, kBandStyleBreak | kBandStyleNoGripper, false), style);
    EXPECT_EQ(lockedBandStyle(kBandAnimation, kBandStyleChildEdge, true), kBandStyleChildEdge);
}
