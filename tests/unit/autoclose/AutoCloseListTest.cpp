#include "browser/AutoCloseList.h"
#include "browser/AutoCloseEntry.h"

#include <gtest/gtest.h>

namespace {

bool closes(const QString& entry, const QString& url) {
    return IsAutoCloseAddress({entry}, url);
}

} // namespace

TEST(AutoCloseEntryTest, TakesTheFormsApart) {
    const AutoCloseEntry prefix = AutoCloseEntry::parse("!http://ads.example/*");
    EXPECT_EQ(prefix.form, AutoCloseEntry::Form::Prefix);
    EXPECT_FALSE(prefix.enabled);
    EXPECT_EQ(prefix.link, "http://ads.example/*");
    EXPECT_EQ(prefix.pattern, "http://ads.example/");

    const AutoCloseEntry exact = AutoCloseEntry::parse("http://a/*/b");
    EXPECT_EQ(exact.form, AutoCloseEntry::Form::Exact);
    EXPECT_TRUE(exact.enabled);
    EXPECT_EQ(exact.pattern, "http://a/*/b");

    EXPECT_EQ(AutoCloseEntry::parse("").form, AutoCloseEntry::Form::Empty);
    const AutoCloseEntry bang = AutoCloseEntry::parse("!");
    EXPECT_FALSE(bang.enabled);
    EXPECT_EQ(bang.link, "");
    // Only the first '!' marks the entry disabled.
    EXPECT_EQ(AutoCloseEntry::parse("!!x").link, "!x");
}

TEST(AutoCloseMatchTest, PrefixEntriesMatchTheBeginningIgnoringCaseAndSlashKind) {
    const QString entry = "http://ads.example.com/pop*";
    EXPECT_TRUE(closes(entry, "HTTP://ADS.EXAMPLE.COM/POPUP?id=1"));
    EXPECT_TRUE(closes(entry, "http://ads.example.com/pop"));
    EXPECT_TRUE(closes(entry, "http:\\\\ads.example.com\\popunder"));
    EXPECT_FALSE(closes(entry, "http://x/?r=http://ads.example.com/pop"));
    EXPECT_FALSE(closes(entry, "http://ads.example.com/po"));
    // A prefix written with backslashes matches a URL with slashes.
    EXPECT_TRUE(closes("http:\\\\ads\\*", "http://ads/x"));
}

TEST(AutoCloseMatchTest, ExactEntriesMatchTheWholeUrlIgnoringCase) {
    const QString entry = "http://ads.example.com/pop.html";
    EXPECT_TRUE(closes(entry, "HTTP://Ads.Example.com/POP.html"));
    EXPECT_TRUE(closes(entry, "http:\\\\ads.example.com\\pop.html"));
    EXPECT_FALSE(closes(entry, "http://ads.example.com/pop.html?x=1"));
    EXPECT_FALSE(closes(entry, "http://ads.example.com/pop.htm"));
    EXPECT_TRUE(closes(QStringLiteral("http://例子.cn/Ä"), QStringLiteral("HTTP://例子.CN/ä")));
}

TEST(AutoCloseMatchTest, OnlyAFinalStarIsAWildcard) {
    EXPECT_TRUE(closes("http://a/*/b", "http://a/*/b"));
    EXPECT_FALSE(closes("http://a/*/b", "http://a/x/b"));
    // Of two final stars only the last is the wildcard.
    EXPECT_TRUE(closes("http://a/**", "http://a/*x"));
    EXPECT_FALSE(closes("http://a/**", "http://a/x"));
}

TEST(AutoCloseMatchTest, DisabledAndEmptyEntriesNeverMatchAStarAloneMatchesAll) {
    EXPECT_FALSE(closes("!http://ads/", "http://ads/"));
    EXPECT_FALSE(closes("!*", "http://ads/"));
    EXPECT_FALSE(closes("", "http://ads/"));
    EXPECT_FALSE(closes("!", ""));
    EXPECT_TRUE(closes("*", "http://anything/"));
    EXPECT_TRUE(closes("*", ""));
    EXPECT_FALSE(IsAutoCloseAddress({}, "http://ads/"));
    // Entries are tried in order until one matches.
    EXPECT_TRUE(IsAutoCloseAddress({"", "!http://b/", "http://a/", "http://b/"}, "http://b/"));
}

TEST(AutoCloseAddTest, AnEqualEntryIsReplacedByTheNewAddressAtTheEnd) {
    QStringList list = {"!HTTP://A/", "http://b/*", "http://a/", "http://c/"};
    ASSERT_TRUE(AddAutoCloseAddress(&list, "http://a/"));
    EXPECT_EQ(list, QStringList({"http://b/*", "http://c/", "http://a/"}));

    // The new address keeps its own '!' and '*'; a prefix entry is another
    // address than the exact one.
    ASSERT_TRUE(AddAutoCloseAddress(&list, "!http://C/"));
    ASSERT_TRUE(AddAutoCloseAddress(&list, "http://a/*"));
    EXPECT_EQ(list, QStringList({"http://b/*", "http://a/", "!http://C/", "http://a/*"}));
}

TEST(AutoCloseAddTest, AnEmptyAddressIsNotAdded) {
    QStringList list = {"", "http://a/"};
    EXPECT_FALSE(AddAutoCloseAddress(&list, ""));
    EXPECT_FALSE(AddAutoCloseAddress(&list, "!"));
    EXPECT_EQ(list, QStringList({"", "http://a/"}));
}

TEST(AutoCloseAddTest, DuplicateCheckComparesLinksAndLeavesOutTheEditedRow) {
    const QStringList list = {"http://a/", "!HTTP://B/*"};
    EXPECT_TRUE(IsAutoCloseDuplicate(list, "!http://a/", -1));
    EXPECT_TRUE(IsAutoCloseDuplicate(list, "http://b/*", -1));
    EXPECT_FALSE(IsAutoCloseDuplicate(list, "http://b/", -1));
    EXPECT_FALSE(IsAutoCloseDuplicate(list, "http://b/*", 1));
    EXPECT_FALSE(IsAutoCloseDuplicate({}, "http://a/", -1));
}
