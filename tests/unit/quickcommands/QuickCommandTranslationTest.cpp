#include "quickcommands/QuickCommandTranslation.h"

#include <gtest/gtest.h>

namespace {

QuickCommand search(const QString& command, const QString& url) {
    return QuickCommand{QuickCommand::Search, "title " + command, command, url};
}

QuickCommand open(const QString& command, const QString& url, int type = QuickCommand::Open) {
    return QuickCommand{type, "title " + command, command, url};
}

const QList<QuickCommand> kCommands = {
    search("gs", "http://s.example/?q=%s&again=%s"), open("cnn", "http://news.example/%s"),
    search("GS", "http://second.example/?q=%s"),     search("plain", "http://plain.example/"),
    open("odd", "http://odd.example/%s", 7),
};

std::optional<QString> translate(const QString& text) {
    return TranslateQuickCommand(kCommands, text);
}

} // namespace

TEST(QuickCommandTranslationTest, SearchReplacesEveryPlaceholderWithTheArgumentAsTyped) {
    EXPECT_EQ(translate("gs a b"), "http://s.example/?q=a b&again=a b");
    // Only the first blank splits; the rest of the text is kept as it is,
    // without any encoding.
    EXPECT_EQ(translate("gs  a  b&c=%20"), "http://s.example/?q= a  b&c=%20&again= a  b&c=%20");
    // An argument holding "%s" is inserted once, not expanded again.
    EXPECT_EQ(translate("gs %s"), "http://s.example/?q=%s&again=%s");
}

TEST(QuickCommandTranslationTest, BlanksAroundTheTextAreTrimmed) {
    EXPECT_EQ(translate("  \tgs cats \r\n"), "http://s.example/?q=cats&again=cats");
    EXPECT_EQ(translate(QStringLiteral("\u3000gs cats\u3000")),
              "http://s.example/?q=cats&again=cats");
}

TEST(QuickCommandTranslationTest, AnEmptyArgumentRemovesThePlaceholder) {
    EXPECT_EQ(translate("gs"), "http://s.example/?q=&again=");
    EXPECT_EQ(translate("gs "), "http://s.example/?q=&again=");
    EXPECT_EQ(translate("plain words"), "http://plain.example/");
}

TEST(QuickCommandTranslationTest, OnlyABlankSplitsTheWord) {
    // A tab is no separator: "gs\tcats" is one word and matches nothing.
    EXPECT_EQ(translate("gs\tcats"), std::nullopt);
}

TEST(QuickCommandTranslationTest, FirstCommandMatchingIgnoringCaseWins) {
    EXPECT_EQ(translate("GS cats"), "http://s.example/?q=cats&again=cats");
    EXPECT_EQ(translate("Gs x"), "http://s.example/?q=x&again=x");
}

TEST(QuickCommandTranslationTest, OpenCommandsGiveTheirPageUnchanged) {
    EXPECT_EQ(translate("cnn news today"), "http://news.example/%s");
    EXPECT_EQ(translate("CNN"), "http://news.example/%s");
    // Any type but Search behaves like Open.
    EXPECT_EQ(translate("odd x"), "http://odd.example/%s");
}

TEST(QuickCommandTranslationTest, NoTranslationForUnknownWordsBlankTextOrAnEmptyList) {
    EXPECT_EQ(translate("gsx cats"), std::nullopt);
    EXPECT_EQ(translate("www.example.com"), std::nullopt);
    EXPECT_EQ(translate("   "), std::nullopt);
    EXPECT_EQ(translate(""), std::nullopt);
    EXPECT_EQ(TranslateQuickCommand({}, "gs cats"), std::nullopt);
    // A record without a word is never matched.
    EXPECT_EQ(TranslateQuickCommand({open("", "http://x/")}, " x"), std::nullopt);
}

TEST(QuickCommandTranslationTest, NonAsciiWordsMatchIgnoringCase) {
    const QList<QuickCommand> commands = {search(QStringLiteral("Über"), "u:%s")};
    EXPECT_EQ(TranslateQuickCommand(commands, QStringLiteral("über 新闻")),
              QStringLiteral("u:新闻"));
}
