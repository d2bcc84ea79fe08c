#include "SettingsTestSupport.h"

#include "app/IErrorReporter.h"
#include "app/RegStringList.h"
#include "platform/registry/RegTransaction.h"

#include <QList>

namespace {

const QString kPath = QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\TestList");

class RecordingReporter : public IErrorReporter {
public:
    void ShowSystemError(long code) override { codes.append(code); }
    QList<long> codes;
};

class StringListTest : public FreshRegistryTest {
protected:
    QStringList read(StringListMode mode, int capacity, QStringList list = {},
                     int* count = nullptr) {
        const int n = ReadStringList(kPath, "url", mode, capacity, &list);
        if (count)
            *count = n;
        return list;
    }
};

TEST_F(StringListTest, WriteSkipsEmptyEntriesWithoutLeavingGaps) {
    RecordingReporter reporter;
    ASSERT_EQ(WriteStringList(kPath, "url", {"first", "", "third", ""}, &reporter),
              platform::ERROR_SUCCESS);
    const platform::RegKey k = key(kPath);
    EXPECT_EQ(valueNames(k), QStringList({"url1", "url2"}));
    platform::RegValue value;
    ASSERT_EQ(k.queryValue("url2", &value), platform::ERROR_SUCCESS);
    EXPECT_EQ(value.type, platform::REG_EXPAND_SZ);
    EXPECT_EQ(platform::decodeRegString(value.data), "third");
    EXPECT_TRUE(reporter.codes.isEmpty());
}

TEST_F(StringListTest, RewriteReplacesTheWholeKey) {
    key(kPath + "\\Child").setDword("x", 1);
    key(kPath).setDword("other", 1);
    ASSERT_EQ(WriteStringList(kPath, "url", {"a", "b", "c"}), platform::ERROR_SUCCESS);
    ASSERT_EQ(WriteStringList(kPath, "url", {"z"}), platform::ERROR_SUCCESS);
    EXPECT_EQ(valueNames(key(kPath)), QStringList({"url1"}));
    EXPECT_TRUE(key(kPath).subkeyNames().isEmpty());

    ASSERT_EQ(WriteStringList(kPath, "url", {}), platform::ERROR_SUCCESS);
    EXPECT_FALSE(platform::RegKey::open(platform::RegRoot::CurrentUser, kPath));
}

TEST_F(StringListTest, KeyThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    RecordingReporter reporter;
    const QString badPath = kPath + "\\" + QString(300, 'k'); // name longer than allowed
    EXPECT_EQ(WriteStringList(badPath, "url", {"a"}, &reporter), platform::ERROR_INVALID_PARAMETER);
    EXPECT_EQ(reporter.codes, QList<long>({platform::ERROR_INVALID_PARAMETER}));
}

TEST_F(StringListTest, ARewriteInsideAnOuterTransactionIsSeenOnlyWithIt) {
    ASSERT_EQ(WriteStringList(kPath, "url", {"old1", "old2"}), platform::ERROR_SUCCESS);
    {
        platform::RegTransaction outer;
        ASSERT_EQ(WriteStringList(kPath, "url", {"new"}), platform::ERROR_SUCCESS);
        // outer is dropped without commit: everything rolls back
    }
    EXPECT_EQ(read(StringListMode::Append, 0), QStringList({"old1", "old2"}));
}

TEST_F(StringListTest, AppendModeStopsAtTheFirstMissingOrNonStringValue) {
    const platform::RegKey k = key(kPath);
    k.setExpandString("url1", "a");
    k.setString("url2", "b");
    k.setBinary("url3", QByteArray("c"));
    k.setExpandString("url4", "d");
    int count = 0;
    EXPECT_EQ(read(StringListMode::Append, 0, {"kept"}, &count), QStringList({"kept", "a", "b"}));
    EXPECT_EQ(count, 2);
    QStringList none;
    EXPECT_EQ(ReadStringList(kPath + "\\Missing", "url", StringListMode::Append, 0, &none), 0);
}

TEST_F(StringListTest, SlotModeFillsEntriesAndSkipsThoseBeyondTheCapacity) {
    const platform::RegKey k = key(kPath);
    for (int i = 1; i <= 5; ++i)
        k.setExpandString(QStringLiteral("url%1").arg(i), QString::number(i));
    int count = 0;
    EXPECT_EQ(read(StringListMode::Slot, 3, {"", "", "", "x"}, &count),
              QStringList({"1", "2", "3", "x"}));
    EXPECT_EQ(count, 5);
    // The capacity never grows the list.
    EXPECT_EQ(read(StringListMode::Slot, 10, {"", ""}), QStringList({"1", "2"}));
}

TEST_F(StringListTest, ReadingIsBoundedAgainstAHugeList) {
    {
        platform::RegTransaction tx;
        const platform::RegKey k = key(kPath);
        for (int i = 1; i <= kMaxStringListValues + 5; ++i)
            k.setExpandString(QStringLiteral("url%1").arg(i), "v");
        ASSERT_EQ(tx.commit(), platform::ERROR_SUCCESS);
    }
    int count = 0;
    EXPECT_EQ(read(StringListMode::Append, 0, {}, &count).size(), kMaxStringListValues);
    EXPECT_EQ(count, kMaxStringListValues);
}

} // namespace
