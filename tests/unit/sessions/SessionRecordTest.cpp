#include "SessionTestSupport.h"

#include "app/SessionRecord.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace platform;
using sessiontest::dumpPath;
using sessiontest::sessionOf;

namespace {

const QString kPath = QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\Sessions\\4242");
const QString kOther = QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\Sessions\\Whole");

class SessionRecordTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    // Writes group through the record and checks that the key then holds
    // exactly what a whole rewrite of the same group gives.
    void writeAndCompare(SessionRecord& record, const LinkGroup& group) {
        ASSERT_EQ(record.Write(group), ERROR_SUCCESS);
        ASSERT_EQ(WriteLinkGroup(kOther, group), ERROR_SUCCESS);
        EXPECT_EQ(dumpPath(kPath), dumpPath(kOther));
        LinkGroup read;
        ASSERT_TRUE(ReadLinkGroup(RegKey::open(RegRoot::CurrentUser, kPath), &read));
        EXPECT_EQ(read, group);
    }
};

} // namespace

TEST(SessionGroupTest, EscapedBlanksAreRestoredAndUntitledWindowsKeepTheirAddress) {
    const LinkGroup group = SessionRecord::MakeGroup(
        {{"A%20page", "http://h/a%20b"}, {"", "http://untitled/"}, {"", ""}});
    EXPECT_EQ(group.Name, "Session");
    EXPECT_EQ(group.Startup, 0u);
    EXPECT_EQ(group.Separator, 0u);
    ASSERT_EQ(group.Links.size(), 3);
    EXPECT_EQ(group.Links[0], (LinkGroupLink{"A page", "http://h/a b"}));
    // A link without a name would be dropped when the record is read back.
    EXPECT_EQ(group.Links[1], (LinkGroupLink{"http://untitled/", "http://untitled/"}));
    EXPECT_EQ(group.Links[2], (LinkGroupLink{"", ""}));
}

TEST_F(SessionRecordTest, EveryKindOfChangeLeavesWhatAWholeRewriteLeaves) {
    // Left by an earlier process with the same id: the first write replaces
    // the key whole, the exit mark included.
    WriteLinkGroup(kPath, sessionOf(9));
    RegKey::open(RegRoot::CurrentUser, kPath).setDword("NormalExit", 1);

    SessionRecord record(kPath);
    LinkGroup group = sessionOf(3);
    writeAndCompare(record, group);
    EXPECT_FALSE(RegKey::open(RegRoot::CurrentUser, kPath).readDword("NormalExit"));

    group.Links[1].Name = "renamed";
    writeAndCompare(record, group);
    group.Links[2].URL = "http://h/elsewhere";
    writeAndCompare(record, group);
    group.Links.append(LinkGroupLink{"new", "http://h/new"});
    group.Links.append(LinkGroupLink{"newer", "http://h/newer"});
    writeAndCompare(record, group);
    group.Links.removeAt(1); // a window in the middle closes: the rest move up
    writeAndCompare(record, group);
    group.Links.clear();
    writeAndCompare(record, group);
    group = sessionOf(2);
    writeAndCompare(record, group);
    EXPECT_EQ(record.writeCount(), 7);
}

TEST_F(SessionRecordTest, AnUnchangedRecordIsNotWrittenAgain) {
    SessionRecord record(kPath);
    const LinkGroup group = sessionOf(5);
    ASSERT_EQ(record.Write(group), ERROR_SUCCESS);
    ASSERT_EQ(record.Write(group), ERROR_SUCCESS);
    EXPECT_EQ(record.writeCount(), 1);
}

TEST_F(SessionRecordTest, AKeyChangedBehindTheRecordsBackIsWrittenWhole) {
    SessionRecord record(kPath);
    LinkGroup group = sessionOf(4);
    writeAndCompare(record, group);

    // Another start took the key for stale and deleted it: even an unchanged
    // record is written again.
    RegKey::root(RegRoot::CurrentUser).deleteSubtree(kPath);
    writeAndCompare(record, group);

    // A link key vanished: the change that touches it rewrites the key.
    RegKey::open(RegRoot::CurrentUser, kPath).deleteSubtree("Link2");
    group.Links[2].Name = "changed";
    writeAndCompare(record, group);

    // A value written beside the record (the exit mark) goes with the next
    // write once the record is told, even when the windows did not change.
    RegKey::open(RegRoot::CurrentUser, kPath).setDword("NormalExit", 0);
    record.NoteForeignValue("NormalExit");
    writeAndCompare(record, group);
    RegKey::open(RegRoot::CurrentUser, kPath).setDword("NormalExit", 0);
    record.NoteForeignValue("NormalExit");
    group.Links[0].Name = "again";
    writeAndCompare(record, group);
}

TEST_F(SessionRecordTest, AWriteInsideAFailedTransactionLeavesTheOldRecord) {
    SessionRecord record(kPath);
    const LinkGroup before = sessionOf(3);
    writeAndCompare(record, before);
    const QString stored = dumpPath(kPath);
    LinkGroup after = before;
    after.Links[0].Name = "never seen";
    {
        RegTransaction outer;
        EXPECT_EQ(record.Write(after), ERROR_SUCCESS);
        // The enclosing transaction ends without a commit.
    }
    EXPECT_EQ(dumpPath(kPath), stored);
    // The record does not trust what it wrote in there: the same group
    // written again reaches the key.
    writeAndCompare(record, after);
}
