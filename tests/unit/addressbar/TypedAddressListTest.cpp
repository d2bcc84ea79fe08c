#include "addressbar/TypedAddressList.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using platform::RegKey;
using platform::RegRoot;

namespace {

class TypedAddressListTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    static QString path() { return QString::fromUtf16(kTypedUrlsKeyPath); }
    static RegKey typedKey() { return RegKey::open(RegRoot::CurrentUser, path()); }
    static RegKey createTypedKey() { return RegKey::create(RegRoot::CurrentUser, path()); }
    static QStringList valueNames() {
        QStringList names;
        for (const auto& value : typedKey().values())
            names.append(value.name);
        return names;
    }
};

} // namespace

TEST_F(TypedAddressListTest, NewAddressesGoOnTopAndAboutBlankNever) {
    TypedAddressList list;
    EXPECT_TRUE(list.AddToAddressList("http://a/"));
    EXPECT_TRUE(list.AddToAddressList("http://b/"));
    EXPECT_FALSE(list.AddToAddressList("About:Blank"));
    EXPECT_FALSE(list.AddToAddressList(""));
    EXPECT_EQ(list.Addresses(), QStringList({"http://b/", "http://a/"}));
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.data(list.index(0)).toString(), "http://b/");
    // "about:blank" as part of a longer address is an address like any other.
    EXPECT_TRUE(list.AddToAddressList("about:blank#x"));
}

TEST_F(TypedAddressListTest, AnAddressListedInAnotherCaseMovesToTheTopInTheNewCase) {
    TypedAddressList list;
    for (const char* url : {"http://a/", "HTTP://B/", "http://c/", "http://b/"})
        list.AddToAddressList(url);
    EXPECT_EQ(list.Addresses(), QStringList({"http://b/", "http://c/", "http://a/"}));
    list.AddToAddressList("http://C/");
    EXPECT_EQ(list.Addresses(), QStringList({"http://C/", "http://b/", "http://a/"}));
}

TEST_F(TypedAddressListTest, AViewOfTheModelSeesEveryChange) {
    TypedAddressList list;
    list.AddToAddressList("http://a/");
    list.AddToAddressList("http://b/");
    int inserted = 0;
    int removed = 0;
    QObject::connect(&list, &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
    QObject::connect(&list, &QAbstractItemModel::rowsRemoved, [&] { ++removed; });
    list.AddToAddressList("http://A/");
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(inserted, 1);
    EXPECT_EQ(list.data(list.index(0), Qt::EditRole).toString(), "http://A/");
    EXPECT_FALSE(list.data(list.index(2)).isValid());
}

TEST_F(TypedAddressListTest, APickedRowMovesToTheTop) {
    TypedAddressList list;
    for (const char* url : {"http://a/", "http://b/", "http://c/"})
        list.AddToAddressList(url);
    EXPECT_EQ(list.MoveToTop(2), "http://a/");
    EXPECT_EQ(list.Addresses(), QStringList({"http://a/", "http://c/", "http://b/"}));
    EXPECT_EQ(list.MoveToTop(3), "");
    EXPECT_EQ(list.MoveToTop(-1), "");
}

TEST_F(TypedAddressListTest, LoadStopsAtTheFirstGapAndSaveNumbersWithoutGaps) {
    const RegKey key = createTypedKey();
    key.setExpandString("url1", "http://one/");
    key.setString("url2", "http://two/");
    key.setExpandString("url4", "http://four/");
    TypedAddressList list;
    list.LoadTypedUrls();
    EXPECT_EQ(list.Addresses(), QStringList({"http://one/", "http://two/"}));

    ASSERT_EQ(list.SaveTypedUrls(), platform::ERROR_SUCCESS);
    EXPECT_EQ(valueNames(), QStringList({"url1", "url2"}));

    list.AddToAddressList("http://new/");
    ASSERT_EQ(list.SaveTypedUrls(), platform::ERROR_SUCCESS);
    EXPECT_EQ(valueNames(), QStringList({"url1", "url2", "url3"}));
    platform::RegValue value;
    ASSERT_EQ(typedKey().queryValue("url1", &value), platform::ERROR_SUCCESS);
    EXPECT_EQ(value.type, platform::REG_EXPAND_SZ);
    EXPECT_EQ(platform::decodeRegString(value.data), "http://new/");

    TypedAddressList again;
    again.LoadTypedUrls();
    EXPECT_EQ(again.Addresses(), list.Addresses());
}

TEST_F(TypedAddressListTest, LoadReplacesTheRowsAndStopsAtAValueOfTheWrongType) {
    const RegKey key = createTypedKey();
    key.setString("url1", "http://one/");
    key.setDword("url2", 5);
    key.setString("url3", "http://three/");
    TypedAddressList list;
    list.AddToAddressList("http://old/");
    list.LoadTypedUrls();
    EXPECT_EQ(list.Addresses(), QStringList({"http://one/"}));
}

TEST_F(TypedAddressListTest, EmptyRowsAreNotSavedAndAnAllEmptyListLeavesNoKey) {
    const RegKey key = createTypedKey();
    key.setString("url1", "");
    key.setString("url2", "http://two/");
    key.setString("url3", "");
    TypedAddressList list;
    list.LoadTypedUrls();
    ASSERT_EQ(list.rowCount(), 3);
    ASSERT_EQ(list.SaveTypedUrls(), platform::ERROR_SUCCESS);
    EXPECT_EQ(valueNames(), QStringList({"url1"}));

    createTypedKey().setString("url1", "");
    createTypedKey().deleteValue("url2");
    list.LoadTypedUrls();
    ASSERT_EQ(list.Addresses(), QStringList({""}));
    ASSERT_EQ(list.SaveTypedUrls(), platform::ERROR_SUCCESS);
    EXPECT_FALSE(typedKey());
}

TEST_F(TypedAddressListTest, ClearingDeletesTheKeyAndEmptiesTheRows) {
    createTypedKey().setString("url1", "http://one/");
    RegKey::create(RegRoot::CurrentUser, path() + "\\Sub").setDword("x", 1);
    TypedAddressList list;
    list.LoadTypedUrls();
    EXPECT_EQ(list.ClearTypedUrls(), platform::ERROR_SUCCESS);
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(typedKey());
    // Clearing again, with no key left, is no error.
    EXPECT_EQ(list.ClearTypedUrls(), platform::ERROR_SUCCESS);
}
