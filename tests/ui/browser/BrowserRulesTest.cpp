#include "browser/BrowserHistory.h"
#include "browser/BrowserViewRules.h"
#include "browser/IBrowserEngine.h"
#include "framework/CommandIds.h"

#include <gtest/gtest.h>

#include <limits>

TEST(BrowserRules, ProgressPercentCoversEveryRange) {
    EXPECT_EQ(ProgressPercent(50, 0), 100);   // no maximum: done
    EXPECT_EQ(ProgressPercent(-1, 200), 100); // negative: counts as the maximum
    EXPECT_EQ(ProgressPercent(150, 200), 75);
    EXPECT_EQ(ProgressPercent(0, 200), 0);
    EXPECT_EQ(ProgressPercent(199, 200), 99); // integer division, never rounded up
    EXPECT_EQ(ProgressPercent(300, 200), 100);
    EXPECT_EQ(ProgressPercent(5, -7), 100);
    constexpr std::int64_t huge = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(ProgressPercent(huge - 1, huge), 99);
    EXPECT_EQ(ProgressPercent(huge / 2, huge), 49);
    EXPECT_EQ(ProgressPercent(huge / 4 * 3, huge), 74);
    EXPECT_EQ(ProgressPercent(std::numeric_limits<std::int64_t>::min(), huge), 100);
}

TEST(BrowserRules, TitleRuleKeeps128AndCuts129) {
    const QString exact(128, u'a');
    EXPECT_EQ(ApplyTitleRule(exact), exact);
    const QString longer(129, u'b');
    EXPECT_EQ(ApplyTitleRule(longer), QString(125, u'b') + "...");
    EXPECT_EQ(ApplyTitleRule("My%20Page%20"), "My Page ");
    // "%20" is replaced before measuring: 130 characters become 128.
    EXPECT_EQ(ApplyTitleRule(QString(126, u'c') + "%20").size(), 127);
}

TEST(BrowserRules, CaptionsWhileLoading) {
    EXPECT_EQ(ProgressCaption("", 40, true), "未命名 [ 40 % ]     ");
    EXPECT_EQ(ProgressCaption("Page", 100, true), "Page");
    EXPECT_EQ(ProgressCaption("Page", 100, false), "Page [ 100 % ]");
    EXPECT_EQ(ProgressCaption("Page", 75, true), "Page [ 75 % ]");
}

TEST(BrowserRules, ScriptAndBlankAddresses) {
    EXPECT_TRUE(IsScriptUrl("javascript:void(0)"));
    EXPECT_TRUE(IsScriptUrl("vbscript:x"));
    EXPECT_FALSE(IsScriptUrl("JAVASCRIPT:x")); // letter case as given
    EXPECT_TRUE(IsAboutBlank("About:Blank"));
    EXPECT_FALSE(IsAboutBlank("about:blank#x"));
}

TEST(BrowserRules, DownloadCommandMarksAreInvertedForProhibitingBits) {
    EXPECT_TRUE(DownloadCommandChecked(cmd::DownloadImages, dlctl::Default));
    EXPECT_TRUE(DownloadCommandChecked(cmd::DownloadScripts, dlctl::Default));
    EXPECT_FALSE(DownloadCommandChecked(cmd::DownloadScripts, dlctl::Default | dlctl::NoScripts));
    EXPECT_FALSE(DownloadCommandChecked(cmd::DownloadSilent, dlctl::Default));
    EXPECT_TRUE(DownloadCommandChecked(cmd::DownloadActiveX, 0));
    EXPECT_EQ(DownloadCommandBit(cmd::DownloadJava), dlctl::NoJava);
    EXPECT_FALSE(DownloadCommandBit(cmd::ApplyDownloadOptionsToAll));
}

TEST(BrowserRules, PrintPreviewNeedsVersionFivePointFifty) {
    EXPECT_FALSE(PrintPreviewAllowed(5, 49));
    EXPECT_TRUE(PrintPreviewAllowed(5, 50));
    EXPECT_TRUE(PrintPreviewAllowed(6, 0));
    EXPECT_FALSE(PrintPreviewAllowed(4, 99));
}

TEST(BrowserHistoryTest, NewPageAfterGoingBackDropsTheForwardPages) {
    BrowserHistory history;
    history.Record("A", "http://a/");
    history.Record("B", "http://b/");
    history.Record("C", "http://c/");
    EXPECT_EQ(history.Index(), 2);
    history.Record("A again", "HTTP://A/"); // known URL: index moves, nothing dropped
    EXPECT_EQ(history.Index(), 0);
    EXPECT_EQ(history.Count(), 3);
    history.Record("D", "http://d/");
    EXPECT_EQ(history.Urls(), (QStringList{"http://a/", "http://d/"}));
    EXPECT_EQ(history.Index(), 1);
    history.Record("", "http://e/"); // no title: no current page
    EXPECT_EQ(history.Index(), -1);
    history.Record("Blank", "about:blank");
    EXPECT_EQ(history.Index(), -1);
    EXPECT_EQ(history.Count(), 2);
}

TEST(BrowserHistoryTest, MenusAndSteps) {
    BrowserHistory history;
    for (const char* page : {"a", "b", "c", "d"})
        history.Record(QString(page).toUpper(), QStringLiteral("http://%1/").arg(page));
    history.Record("B", "http://b/");
    const auto back = history.MenuEntries(false);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0], std::make_pair(0, QString("A")));
    const auto forward = history.MenuEntries(true);
    ASSERT_EQ(forward.size(), 2u);
    EXPECT_EQ(forward[1], std::make_pair(3, QString("D")));
    EXPECT_EQ(history.StepsTo(3, "http://b/"), 2);
    EXPECT_EQ(history.StepsTo(0, "http://B/"), -1);
    EXPECT_FALSE(history.StepsTo(4, "http://b/"));
    EXPECT_FALSE(history.StepsTo(0, "http://elsewhere/"));
    history.UpdateTitle("HTTP://C/", "Sea");
    EXPECT_EQ(history.Titles()[2], "Sea");
}

TEST(BrowserHistoryTest, StaysWithinTheMenuIds) {
    BrowserHistory history;
    for (int i = 0; i < BrowserHistory::kMaxEntries + 5; ++i)
        history.Record("T", QStringLiteral("http://p%1/").arg(i));
    EXPECT_EQ(history.Count(), BrowserHistory::kMaxEntries);
    EXPECT_EQ(history.Index(), BrowserHistory::kMaxEntries - 1);
    EXPECT_EQ(history.Urls().first(), "http://p5/");
    EXPECT_LE(static_cast<unsigned>(history.Count()), cmd::History.size());
}
