#include "SettingsTestSupport.h"

#include "linkgroups/LinkGroupStore.h"

using platform::RegKey;

namespace {

using LinkGroupStoreTest = FreshRegistryTest;

QString groupPath(int i) {
    return QString::fromUtf16(kLinkGroupsKeyPath) + QStringLiteral("\\Group%1").arg(i);
}

void storeGroup(int index, const QString& name, std::uint32_t separator = 0) {
    const RegKey k = RegKey::create(platform::RegRoot::CurrentUser, groupPath(index));
    k.setString("Name", name);
    k.setDword("Startup", 0);
    k.setDword("Separator", separator);
}

void storeLink(int group, int link, const QString& name, const QString& url) {
    const RegKey k = RegKey::create(platform::RegRoot::CurrentUser,
                                    groupPath(group) + QStringLiteral("\\Link%1").arg(link));
    k.setString("Name", name);
    k.setString("URL", url);
}

QList<LinkGroup> load() {
    QList<LinkGroup> groups = {LinkGroup{"stale"}};
    LoadLinkGroups(&groups);
    return groups;
}

TEST_F(LinkGroupStoreTest, SavedGroupsLoadBackInOrderWithTheRegistryLayout) {
    LinkGroup daily{
        "Daily", 1, 0, {{"新闻", "http://news/"}, {"Long", "http://x/" + QString(5000, 'q')}}};
    LinkGroup separator{"-", 0, 1, {{"ignored", "http://ignored/"}}};
    LinkGroup empty{"Empty", 0, 0, {}};
    ASSERT_EQ(SaveLinkGroups({daily, separator, empty}), platform::ERROR_SUCCESS);

    const RegKey g0 = key(groupPath(0));
    EXPECT_EQ(valueNames(g0), QStringList({"Name", "Startup", "Separator"}));
    EXPECT_EQ(g0.subkeyNames(), QStringList({"Link0", "Link1"}));
    EXPECT_TRUE(key(groupPath(1)).subkeyNames().isEmpty()); // a separator keeps no links

    separator.Links.clear();
    // Texts beyond the entry limits come back whole.
    EXPECT_EQ(load(), QList<LinkGroup>({daily, separator, empty}));
}

TEST_F(LinkGroupStoreTest, LoadingStopsAtTheFirstMissingGroupKeyAndAfterTheMaximum) {
    storeGroup(0, "A");
    storeGroup(1, "B");
    storeGroup(3, "D");
    ASSERT_EQ(load().size(), 2);

    QList<LinkGroup> many;
    for (int i = 0; i < MaxLinkGroups + 3; ++i)
        many.append(LinkGroup{QString::number(i)});
    ASSERT_EQ(SaveLinkGroups(many), platform::ERROR_SUCCESS);
    const QList<LinkGroup> loaded = load();
    ASSERT_EQ(loaded.size(), MaxLinkGroups);
    EXPECT_EQ(loaded.last().Name, QString::number(MaxLinkGroups - 1));
}

TEST_F(LinkGroupStoreTest, LinksNeedANameAndAnAddressAndAGroupNeedsAName) {
    storeGroup(0, "Mixed");
    storeLink(0, 0, "", "http://no-name/");
    storeLink(0, 1, "No address", "");
    storeLink(0, 2, "Kept", "http://kept/");
    key(groupPath(0) + "\\Link3").setDword("Name", 1); // unreadable: dropped
    storeLink(0, 4, "Also kept", "http://also/");
    storeGroup(1, "");
    storeLink(1, 0, "Orphan", "http://orphan/");
    key(groupPath(2)).setDword("Startup", 1); // no values but Startup

    const QList<LinkGroup> groups = load();
    ASSERT_EQ(groups.size(), 3);
    EXPECT_EQ(groups[0].Links,
              QList<LinkGroupLink>({{"Kept", "http://kept/"}, {"Also kept", "http://also/"}}));
    EXPECT_TRUE(groups[1].Links.isEmpty());
    EXPECT_EQ(groups[2], (LinkGroup{"", 1, 0, {}}));
}

TEST_F(LinkGroupStoreTest, SavingAnEmptyListRemovesTheKeyAndAShorterListLeavesNoRest) {
    ASSERT_EQ(SaveLinkGroups({LinkGroup{"A"}, LinkGroup{"B"}, LinkGroup{"C"}}),
              platform::ERROR_SUCCESS);
    ASSERT_EQ(SaveLinkGroups({LinkGroup{"Z"}}), platform::ERROR_SUCCESS);
    EXPECT_EQ(key(kLinkGroupsKeyPath).subkeyNames(), QStringList({"Group0"}));
    ASSERT_EQ(SaveLinkGroups({}), platform::ERROR_SUCCESS);
    EXPECT_FALSE(
        RegKey::open(platform::RegRoot::CurrentUser, QString::fromUtf16(kLinkGroupsKeyPath)));
    EXPECT_TRUE(load().isEmpty());
}

TEST_F(LinkGroupStoreTest, OneGroupReplacesAKeyAndAppendingReadsAccumulateLinks) {
    const QString path = QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\Sessions\\77");
    key(path).setDword("NormalExit", 1);
    key(path + "\\Link5").setString("Name", "left over");
    const LinkGroup first{"Session", 0, 0, {{"One", "http://one/"}}};
    ASSERT_EQ(WriteLinkGroup(path, first), platform::ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key(path)), QStringList({"Name", "Startup", "Separator"}));
    EXPECT_EQ(key(path).subkeyNames(), QStringList({"Link0"}));

    LinkGroup crashed{"", 0, 0, {{"Earlier", "http://earlier/"}}};
    ASSERT_TRUE(ReadLinkGroup(key(path), &crashed, true));
    EXPECT_EQ(crashed.Links.size(), 2);
    ASSERT_TRUE(ReadLinkGroup(key(path), &crashed, false));
    EXPECT_EQ(crashed, first);
    EXPECT_FALSE(ReadLinkGroup(RegKey(), &crashed));
}

TEST_F(LinkGroupStoreTest, FindLinkGroupTakesTheFirstNameIgnoringCase) {
    const QList<LinkGroup> groups = {LinkGroup{"news"}, LinkGroup{"Daily"}, LinkGroup{"NEWS"}};
    EXPECT_EQ(FindLinkGroup(groups, "News"), 0);
    EXPECT_EQ(FindLinkGroup(groups, "daily"), 1);
    EXPECT_EQ(FindLinkGroup(groups, "weekly"), -1);
}

} // namespace
