#include "app/CAppSettings.h"
#include "app/ClosedWindowEntry.h"

#include <gtest/gtest.h>

namespace {

QStringList addresses(const CAppSettings& s) {
    QStringList list;
    for (const QString& entry : s.ClosedWindows())
        list.append(entry.isEmpty() ? QString() : ClosedWindowEntryAddress(entry));
    return list;
}

TEST(ClosedWindowEntryTest, SplitsAtTheFirstLineFeed) {
    EXPECT_EQ(ClosedWindowEntryAddress("Title\nhttp://a/\nmore"), "http://a/\nmore");
    EXPECT_EQ(ClosedWindowEntryTitle("Title\nhttp://a/"), "Title");
    EXPECT_EQ(ClosedWindowEntryAddress("no line feed"), "about:blank");
    EXPECT_EQ(ClosedWindowEntryTitle("no line feed"), "no line feed");
    EXPECT_EQ(ClosedWindowEntryAddress("Title\n"), "about:blank");
    // A window without a title still reopens its own address.
    EXPECT_EQ(ClosedWindowEntryAddress("\nhttp://untitled/"), "http://untitled/");
    EXPECT_EQ(ClosedWindowEntryTitle("\nhttp://untitled/"), "");
}

TEST(ClosedWindowsTest, NewestGoesFirstAndTheOldestFallsOffAFullList) {
    CAppSettings s;
    s.SetClosedWindowsCount(3);
    s.AddClosedWindow("a", "http://a/");
    s.AddClosedWindow("b", "http://b/");
    EXPECT_EQ(addresses(s), QStringList({"http://b/", "http://a/", ""}));
    s.AddClosedWindow("c", "http://c/");
    s.AddClosedWindow("d", "http://d/");
    EXPECT_EQ(addresses(s), QStringList({"http://d/", "http://c/", "http://b/"}));
}

TEST(ClosedWindowsTest, ASecondCloseOfTheSameAddressMovesItToTheFront) {
    CAppSettings s;
    s.SetClosedWindowsCount(4);
    for (const char* a : {"http://a/", "http://b/", "http://c/"})
        s.AddClosedWindow("t", a);
    s.AddClosedWindow("New title", "HTTP://B/");
    EXPECT_EQ(addresses(s), QStringList({"HTTP://B/", "http://c/", "http://a/", ""}));
    EXPECT_EQ(ClosedWindowEntryTitle(s.ClosedWindows()[0]), "New title");
    s.AddClosedWindow("again", "http://b/");
    EXPECT_EQ(addresses(s), QStringList({"http://b/", "http://c/", "http://a/", ""}));

    // An untitled window is found again by its address as well.
    s.AddClosedWindow("", "http://untitled/");
    s.AddClosedWindow("", "http://untitled/");
    EXPECT_EQ(addresses(s),
              QStringList({"http://untitled/", "http://b/", "http://c/", "http://a/"}));
}

TEST(ClosedWindowsTest, BlankPagesAndAZeroCapacityRecordNothing) {
    CAppSettings s;
    s.AddClosedWindow("Blank", "About:Blank");
    s.AddClosedWindow("Empty", "");
    EXPECT_EQ(s.ClosedWindows(), QStringList(25));
    s.SetClosedWindowsCount(0);
    s.AddClosedWindow("x", "http://x/");
    EXPECT_TRUE(s.ClosedWindows().isEmpty());
}

TEST(ClosedWindowsTest, TitlesAreShortenedAndEscapedBlanksRestored) {
    CAppSettings s;
    s.AddClosedWindow(QString(40, 'T'), "http://h/a%20b");
    EXPECT_EQ(s.ClosedWindows()[0], QString(33, 'T') + "...\nhttp://h/a b");
    s.AddClosedWindow(QString(30, 'x') + "%20y", "http://i/");
    EXPECT_EQ(ClosedWindowEntryTitle(s.ClosedWindows()[0]), QString(30, 'x') + " y");
    s.AddClosedWindow("two\nlines", "http://j/");
    EXPECT_EQ(s.ClosedWindows()[0], "two lines\nhttp://j/");
}

TEST(ClosedWindowsTest, ResizingKeepsTheFirstEntriesAndClearingKeepsTheCapacity) {
    CAppSettings s;
    s.SetClosedWindowsCount(3);
    for (const char* a : {"http://a/", "http://b/", "http://c/"})
        s.AddClosedWindow("t", a);
    s.SetClosedWindowsCount(2);
    EXPECT_EQ(addresses(s), QStringList({"http://c/", "http://b/"}));
    s.SetClosedWindowsCount(4);
    EXPECT_EQ(addresses(s), QStringList({"http://c/", "http://b/", "", ""}));
    s.ClearClosedWindows();
    EXPECT_EQ(s.ClosedWindows(), QStringList(4));
}

} // namespace
