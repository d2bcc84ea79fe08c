#include "frame/ToolBarLayout.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QtEndian>

#include <set>

using namespace platform;

namespace {

QByteArray rawLayout(std::uint8_t version, std::initializer_list<std::uint32_t> commands) {
    QByteArray data(1, static_cast<char>(version));
    for (std::uint32_t c : commands) {
        char bytes[4];
        qToLittleEndian<quint32>(c, bytes);
        data.append(bytes, 4);
    }
    return data;
}

} // namespace

TEST(ToolButtonTables, ThirtyThreeButtonsEachWithItsOwnImageAndCommand) {
    std::set<int> images;
    std::set<std::uint32_t> commands;
    for (const ToolButtonInfo& b : defaultToolButtons()) {
        images.insert(b.image);
        commands.insert(b.command);
    }
    for (const ToolButtonInfo& b : extraToolButtons()) {
        images.insert(b.image);
        commands.insert(b.command);
    }
    EXPECT_EQ(commands.size(), 33u);
    // The image list has 33 pictures and each button shows another one.
    EXPECT_EQ(images.size(), 33u);
    EXPECT_EQ(*images.begin(), 0);
    EXPECT_EQ(*images.rbegin(), 32);

    EXPECT_EQ(ToolBarLayout::defaults().commands,
              (std::vector<std::uint32_t>{32774, 32833, 32779, 32780, 32781, 32787, 57602}));
    EXPECT_EQ(findToolButton(32779)->style, ToolButtonStyle::DropDown);
    EXPECT_EQ(findToolButton(32812)->style, ToolButtonStyle::WholeDropDown);
    EXPECT_EQ(findToolButton(57602)->style, ToolButtonStyle::Plain);
    EXPECT_EQ(findToolButton(0), nullptr);
}

TEST(ToolButtonTables, CustomiseListHasTheExtraButtonsFirst) {
    EXPECT_EQ(customizeToolButtonAt(0)->command, 57635u);  // cut
    EXPECT_EQ(customizeToolButtonAt(25)->command, 32797u); // full screen
    EXPECT_EQ(customizeToolButtonAt(26)->command, 32774u); // new window
    EXPECT_EQ(customizeToolButtonAt(32)->command, 57602u); // close window
    EXPECT_EQ(customizeToolButtonAt(33), nullptr);
    EXPECT_EQ(customizeToolButtonAt(-1), nullptr);
}

TEST(ToolBarRecord, RoundTripKeepsOrderAndSeparators) {
    ToolBarLayout layout;
    layout.commands = {32779, 0, 0, 57635, 32946, 0, 32774};
    EXPECT_EQ(ToolBarLayout::decode(layout.encode()), layout);
    EXPECT_EQ(layout.encode().size(), 1 + 7 * 4);

    // Removing every button is a layout of its own, not a missing one.
    EXPECT_EQ(ToolBarLayout::decode(ToolBarLayout{}.encode()), ToolBarLayout{});
}

TEST(ToolBarRecord, UnknownAndRepeatedButtonsAreDropped) {
    const auto layout = ToolBarLayout::decode(
        rawLayout(1, {32787, 12345, 0, 32787, 57602, 0xFFFFFFFF}) + "\x01\x02");
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->commands, (std::vector<std::uint32_t>{32787, 0, 57602}));
}

TEST(ToolBarRecord, ValuesNotOfOurMakingAreRefused) {
    EXPECT_EQ(ToolBarLayout::decode(QByteArray()), std::nullopt);
    EXPECT_EQ(ToolBarLayout::decode(rawLayout(2, {32787})), std::nullopt);
    EXPECT_EQ(ToolBarLayout::decode(rawLayout(1, {1, 2, 3})), std::nullopt);
    QByteArray tooMany = rawLayout(1, {});
    for (int i = 0; i < ToolBarLayout::kMaxEntries + 1; ++i)
        tooMany.append(4, '\0');
    EXPECT_EQ(ToolBarLayout::decode(tooMany), std::nullopt);
    EXPECT_TRUE(ToolBarLayout::decode(tooMany.left(tooMany.size() - 4)));

    QRandomGenerator random(99);
    for (int round = 0; round < 2000; ++round) {
        QByteArray data(static_cast<int>(random.bounded(80)), '\0');
        for (char& c : data)
            c = static_cast<char>(random.bounded(256));
        if (!data.isEmpty() && random.bounded(2))
            data[0] = 1;
        if (const auto layout = ToolBarLayout::decode(data)) {
            for (std::uint32_t c : layout->commands)
                EXPECT_TRUE(c == 0 || findToolButton(c));
        }
    }
}

TEST(ToolBarRegistry, MissingOrUnusableValuesGiveTheDefaultButtons) {
    testenv::useFreshRegistry();
    const RegKey settings =
        RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings");
    EXPECT_EQ(readToolBarLayout(settings), ToolBarLayout::defaults());

    ToolBarLayout custom;
    custom.commands = {32783, 0, 32784};
    ASSERT_EQ(writeToolBarLayout(settings, custom), ERROR_SUCCESS);
    EXPECT_EQ(readToolBarLayout(settings), custom);

    settings.setBinary("ToolBar", rawLayout(7, {32783}));
    EXPECT_EQ(readToolBarLayout(settings), ToolBarLayout::defaults());
    settings.setString("ToolBar", "32783");
    EXPECT_EQ(readToolBarLayout(settings), ToolBarLayout::defaults());
}
