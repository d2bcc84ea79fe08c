#include "res/StringTable.h"
#include "framework/CommandIds.h"
#include "res/MessageFormat.h"
#include "res/StringIds.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTableTest, MessagesAreLookedUpById) {
    EXPECT_EQ(res::loadString(sid::Error), "错误");
    EXPECT_EQ(res::loadString(sid::ConfirmCloseAll), "你要关闭所有窗口？");
    EXPECT_EQ(res::loadString(sid::AppTitle), "Quorrelin");
    EXPECT_EQ(res::loadString(sid::EmptyMenu), "（空）");
    // Trailing blanks and line breaks are part of the texts.
    EXPECT_EQ(res::loadString(sid::IdleMessage), "就绪   ");
    EXPECT_EQ(res::loadString(sid::ClearTypedUrlsItem), "键入的 URL ");
    EXPECT_EQ(res::loadString(sid::EngineTooOld),
              "Internet Explorer的版本太低.\n\nQuorrelin 需要 Internet Explorer 4.0 或更高版本.");
    EXPECT_EQ(res::loadString(sid::FileNotFound),
              "Quorrelin 在下列位置无法找到下列文件。请重新安装 Quorrelin 来修复它。\n\n"
              "\"%filename%\"");
}

TEST(StringTableTest, MissingStringIsReportedOrFallsBack) {
    EXPECT_EQ(res::tryLoadString(51456), std::nullopt);
    EXPECT_TRUE(res::loadString(51456).isEmpty());
    EXPECT_EQ(res::loadString(51456, "Unhandled error occurs."), "Unhandled error occurs.");
    EXPECT_EQ(res::loadString(sid::Error, "Error"), "错误");
    EXPECT_EQ(res::tryLoadString(0), std::nullopt);
}

TEST(StringTableTest, CommandPromptSplitsIntoStatusTextAndTooltip) {
    EXPECT_EQ(res::commandPrompt(cmd::NewBlankPage), "打开一个新的空白页");
    EXPECT_EQ(res::commandTooltip(cmd::NewBlankPage), "新建空白页");
    EXPECT_EQ(res::commandShortName(cmd::NewBlankPage), "新建空白页");

    // Without a line break the whole text is the prompt and there is no tooltip.
    EXPECT_EQ(res::commandPrompt(cmd::CloseAllExceptActive), "关闭除当前窗口外的所有窗口");
    EXPECT_TRUE(res::commandTooltip(cmd::CloseAllExceptActive).isEmpty());
    EXPECT_EQ(res::commandShortName(cmd::CloseAllExceptActive), "关闭除当前窗口外的所有窗口");

    // Unknown ids have no prompt.
    EXPECT_TRUE(res::commandPrompt(4711).isEmpty());
    EXPECT_TRUE(res::commandTooltip(4711).isEmpty());
}

TEST(StringTableTest, EveryToolbarCommandHasAShortName) {
    const unsigned toolbar[] = {32774, 32833, 32779, 32780, 32781, 32787, 57602, 57635, 57634,
                                57637, 57601, 57604, 33265, 57607, 32793, 32782, 32776, 32788,
                                32783, 32784, 32808, 32807, 57650, 57651, 57652, 32845, 32840,
                                32841, 32812, 32798, 32799, 32946, 32797};
    for (unsigned id : toolbar)
        EXPECT_FALSE(res::commandTooltip(id).isEmpty()) << id;
}

TEST(MessageFormatTest, PlaceholdersAreReplacedEverywhere) {
    EXPECT_EQ(res::formatString(sid::AutoCloseImported, {{"%count%", "12"}}),
              "12 自动关闭地址已被导入。");
    EXPECT_EQ(res::formatMessage("%a% and %a%", {{"%a%", "x"}}), "x and x");
    EXPECT_EQ(res::formatString(sid::InvalidValueRange, {{"%Min%", "3"}, {"%Max%", "86400"}}),
              "无效值. 它必须在 3 - 86400 之间。");
}

TEST(MessageFormatTest, NamesMatchWithoutRegardToCase) {
    // The detection message spells "%Version%"; callers may name "%version%".
    EXPECT_EQ(res::formatString(sid::MozillaDetected, {{"%version%", "1.7"}}),
              "Quorrelin 检测到 1.7 版本已经安装在你的计算机上， Quorrelin 准备使用它。");
    EXPECT_EQ(res::formatMessage("%MIN%-%max%", {{"%min%", "1"}, {"%Max%", "2"}}), "1-2");
}

TEST(MessageFormatTest, InsertedValuesAreNotScannedAgain) {
    // An address may itself contain percent signs and placeholder names.
    EXPECT_EQ(res::formatMessage("%title% at %address%",
                                 {{"%title%", "%address%"}, {"%address%", "http://x/%20%title%"}}),
              "%address% at http://x/%20%title%");
}

TEST(MessageFormatTest, TextWithoutMatchingPlaceholdersIsKept) {
    EXPECT_EQ(res::formatMessage("100% sure %unknown% %", {{"%count%", "1"}}),
              "100% sure %unknown% %");
    EXPECT_EQ(res::formatMessage("", {{"%count%", "1"}}), "");
    EXPECT_EQ(res::formatMessage("%count", {{"%count%", "1"}}), "%count");
    EXPECT_EQ(res::formatMessage("a%%b", {{"", "never"}}), "a%%b");
}

} // namespace
