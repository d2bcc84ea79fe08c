#include "addressbar/AddressBarInput.h"

#include <gtest/gtest.h>

TEST(CompleteAddressTest, TrimsAndCompletesOnlyWithCtrl) {
    EXPECT_EQ(CompleteAddress("  example \t", false), "example");
    EXPECT_EQ(CompleteAddress("  example \t", true), "www.example.com");
    EXPECT_EQ(CompleteAddress("Example", true), "www.Example.com");
    EXPECT_EQ(CompleteAddress(QStringLiteral("\u3000新浪\u3000"), true),
              QStringLiteral("www.新浪.com"));
}

TEST(CompleteAddressTest, EitherMarkerAnywhereStopsTheCompletion) {
    // Only "www." and ".com" count; other endings are completed too.
    EXPECT_EQ(CompleteAddress("example.org", true), "www.example.org.com");
    EXPECT_EQ(CompleteAddress("WWW.Example", true), "WWW.Example");
    EXPECT_EQ(CompleteAddress("news.COM.cn", true), "news.COM.cn");
    EXPECT_EQ(CompleteAddress("a.com", true), "a.com");
    EXPECT_EQ(CompleteAddress("http://host/www.x", true), "http://host/www.x");
    EXPECT_EQ(CompleteAddress("www", true), "www.www.com");
}

TEST(CompleteAddressTest, BlankTextIsLeftAlone) {
    EXPECT_EQ(CompleteAddress("", true), std::nullopt);
    EXPECT_EQ(CompleteAddress(" \t\r\n", false), std::nullopt);
}

namespace {

const QList<QuickCommand> kCommands = {
    {QuickCommand::Search, "Search", "gs", "http://s/?q=%s"},
    {QuickCommand::Open, "Empty", "nothing", ""},
};

} // namespace

TEST(AddressBarInputTest, QuickCommandsAreTranslatedNotCompletedAndNotRemembered) {
    for (const bool ctrl : {false, true}) {
        const AddressBarRequest request = ResolveAddressBarInput(" gs cats ", ctrl, kCommands);
        EXPECT_EQ(request.text, "http://s/?q=cats");
        EXPECT_EQ(request.navigateTo, "http://s/?q=cats");
        EXPECT_FALSE(request.remember);
    }
}

TEST(AddressBarInputTest, OtherTextIsCompletedAndRemembered) {
    const AddressBarRequest request = ResolveAddressBarInput(" sina ", true, kCommands);
    EXPECT_EQ(request.text, "www.sina.com");
    EXPECT_EQ(request.navigateTo, "www.sina.com");
    EXPECT_TRUE(request.remember);
    EXPECT_EQ(ResolveAddressBarInput("gsx", false, kCommands).navigateTo, "gsx");
}

TEST(AddressBarInputTest, BlankTextOrAnEmptyCommandUrlOpensNothing) {
    const AddressBarRequest blank = ResolveAddressBarInput("   ", true, kCommands);
    EXPECT_EQ(blank.text, std::nullopt); // the typed blanks stay
    EXPECT_TRUE(blank.navigateTo.isEmpty());
    const AddressBarRequest empty = ResolveAddressBarInput("nothing", false, kCommands);
    EXPECT_EQ(empty.text, "");
    EXPECT_TRUE(empty.navigateTo.isEmpty());
}
