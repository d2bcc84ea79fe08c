#include "linkgroups/LinkGroupOperations.h"

#include <gtest/gtest.h>

namespace {

QList<LinkGroup> numberedGroups(int count) {
    QList<LinkGroup> groups;
    for (int i = 0; i < count; ++i)
        groups.append(LinkGroup{QString::number(i)});
    return groups;
}

} // namespace

TEST(LinkGroupOperationsTest, AFullListRefusesANewGroupButStillTakesLinksIntoAnExistingOne) {
    QList<LinkGroup> groups = numberedGroups(MaxLinkGroups);
    EXPECT_FALSE(CanAddLinkGroup(groups));
    const QList<LinkGroup> before = groups;
    EXPECT_EQ(StoreLinksAsGroup(&groups, "new", false, {{"a", "http://a/"}},
                                LinkGroupNameChoice::NewGroup),
              -1);
    EXPECT_EQ(groups, before);
    // Replacing or extending a group adds none.
    EXPECT_EQ(StoreLinksAsGroup(&groups, "7", false, {{"a", "http://a/"}},
                                LinkGroupNameChoice::AddToExisting),
              7);
    EXPECT_EQ(groups[7].Links.size(), 1);
    groups.removeLast();
    EXPECT_TRUE(CanAddLinkGroup(groups));
}

TEST(LinkGroupOperationsTest, StoringUnderATakenNameReplacesJoinsOrAddsAGroup) {
    const QList<LinkGroup> start = {LinkGroup{"Other"},
                                    LinkGroup{"News", 0, 0, {{"old", "http://old/"}}}};
    const QList<LinkGroupLink> links = {{"new", "http://new/"}};

    QList<LinkGroup> groups = start;
    EXPECT_EQ(StoreLinksAsGroup(&groups, "news", true, links, LinkGroupNameChoice::Replace), 1);
    EXPECT_EQ(groups[1].Links, links);
    EXPECT_EQ(groups[1].Name, "News"); // the existing group keeps its name and flags
    EXPECT_EQ(groups[1].Startup, 0u);

    groups = start;
    EXPECT_EQ(StoreLinksAsGroup(&groups, "NEWS", false, links, LinkGroupNameChoice::AddToExisting),
              1);
    EXPECT_EQ(groups[1].Links.size(), 2);
    EXPECT_EQ(groups[1].Links[1], links[0]);

    groups = start;
    EXPECT_EQ(StoreLinksAsGroup(&groups, "News", true, links, LinkGroupNameChoice::NewGroup), 2);
    EXPECT_EQ(groups[2], (LinkGroup{"News", 1, 0, links}));

    // A choice for a name nobody bears (any more) makes a new group.
    groups = start;
    EXPECT_EQ(StoreLinksAsGroup(&groups, "Gone", false, links, LinkGroupNameChoice::Replace), 2);
}

TEST(LinkGroupOperationsTest, OpeningSkipsEmptyAddressesAndSeparatorsOpenNothing) {
    const LinkGroup group{"G", 0, 0, {{"a", "http://a/"}, {"b", ""}, {"c", "http://c/"}}};
    EXPECT_EQ(LinkGroupOpenUrls(group), QStringList({"http://a/", "http://c/"}));
    LinkGroup separator = group;
    separator.Separator = 1;
    EXPECT_TRUE(LinkGroupOpenUrls(separator).isEmpty());
}

TEST(LinkGroupOperationsTest, NumberedNamesTakeTheSmallestFreeNumberIgnoringCase) {
    const QList<LinkGroup> groups = {LinkGroup{"news"}, LinkGroup{"News [1]"},
                                     LinkGroup{"NEWS [3]"}};
    EXPECT_EQ(UnusedLinkGroupName(groups, "News"), "News [2]");
    EXPECT_EQ(UnusedLinkGroupName(groups, "Sport"), "Sport");
}

TEST(LinkGroupOperationsTest, TheLinkSummaryIsCutOnceItReachesSixtyCharacters) {
    LinkGroup group{"G", 0, 0, {{"short", "u"}, {"names", "u"}}};
    EXPECT_EQ(LinkGroupLinkSummary(group), "short, names");
    EXPECT_EQ(LinkGroupLinkSummary(LinkGroup{"G"}), "");
    group.Links = {{QString(30, 'a'), "u"}, {QString(28, 'b'), "u"}, {"c", "u"}};
    // 30 + 2 + 28 = 60 characters: cut there.
    EXPECT_EQ(LinkGroupLinkSummary(group), QString(30, 'a') + ", " + QString(28, 'b') + "...");
    group.Links = {{QString(100, 'x'), "u"}};
    EXPECT_EQ(LinkGroupLinkSummary(group), QString(60, 'x') + "...");
}
