#include "WindowBarTestSupport.h"

#include <gtest/gtest.h>

using namespace windowbar_test;

namespace {

class WindowBarModelTest : public ::testing::Test {
protected:
    void SetUp() override { model.addObserver(&observer); }

    Windows w;
    WindowBarModel model;
    RecordingObserver observer;
};

} // namespace

TEST_F(WindowBarModelTest, NewTabGoesAfterTheActiveWindowOrAtTheEnd) {
    fill(model, w, {"A", "B", "C"}, 1);
    EXPECT_EQ(model.insert(w[3], false, model.currentWindow()), 2);
    model.setText(w[3], "D");
    EXPECT_EQ(model.describe(), "A B* D C");

    // Appending (no window to follow), or following a window without a tab.
    EXPECT_EQ(model.insert(w[4], false), 4);
    EXPECT_EQ(model.insert(w[5], false, w[9]), 5);
    EXPECT_EQ(model.indexOf(w[5]), 5);
}

TEST_F(WindowBarModelTest, InsertSelectsOnlyWhenAskedOrWhenFirst) {
    EXPECT_EQ(model.insert(w[0], false), 0);
    EXPECT_EQ(observer.take(), "ins 0, cur 0");
    EXPECT_EQ(model.insert(w[1], false, w[0]), 1);
    EXPECT_EQ(observer.take(), "ins 1");
    EXPECT_EQ(model.currentIndex(), 0);

    // Inserting before the current tab keeps the same tab current.
    model.selectIndex(1);
    observer.take();
    EXPECT_EQ(model.insert(w[2], false, w[0]), 1);
    EXPECT_EQ(model.currentWindow(), w[1]);
    EXPECT_EQ(observer.take(), "ins 1");

    EXPECT_EQ(model.insert(w[3], true), 3);
    EXPECT_EQ(observer.take(), "ins 3, cur 3");

    const WindowBarTab* fresh = model.tabAt(3);
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->text.isEmpty());
    EXPECT_EQ(fresh->image, 0);
}

TEST_F(WindowBarModelTest, RefusesNullAndDuplicateWindows) {
    fill(model, w, {"A"}, 0);
    observer.take();
    EXPECT_EQ(model.insert(nullptr, true), -1);
    EXPECT_EQ(model.insert(w[0], true), -1);
    EXPECT_EQ(model.count(), 1);
    EXPECT_EQ(observer.take(), "");
}

TEST_F(WindowBarModelTest, RemovingOtherTabsKeepsTheCurrentTab) {
    fill(model, w, {"A", "B", "C", "D"}, 2);
    observer.take();
    EXPECT_TRUE(model.remove(w[0]));
    EXPECT_EQ(model.describe(), "B C* D");
    EXPECT_EQ(model.currentIndex(), 1);
    EXPECT_TRUE(model.remove(w[3]));
    EXPECT_EQ(model.describe(), "B C*");
    EXPECT_EQ(observer.take(), "rm 0, rm 2");
    EXPECT_FALSE(model.remove(w[3]));
    EXPECT_FALSE(model.remove(nullptr));
}

TEST_F(WindowBarModelTest, RemovingTheCurrentTabMakesItsSuccessorCurrent) {
    fill(model, w, {"A", "B", "C"}, 1);
    observer.take();
    model.remove(w[1]);
    EXPECT_EQ(model.describe(), "A C*");
    EXPECT_EQ(observer.take(), "rm 1, cur 1");

    // The last tab: the new last one takes over.
    model.remove(w[2]);
    EXPECT_EQ(model.describe(), "A*");
    EXPECT_EQ(observer.take(), "rm 1, cur 0");

    model.remove(w[0]);
    EXPECT_EQ(model.describe(), "");
    EXPECT_EQ(model.currentIndex(), -1);
    EXPECT_EQ(model.currentWindow(), nullptr);
    EXPECT_EQ(observer.take(), "rm 0, cur -1");
}

TEST_F(WindowBarModelTest, SelectTellsOnlyRealChanges) {
    fill(model, w, {"A", "B"}, 0);
    observer.take();
    EXPECT_TRUE(model.select(w[0]));
    EXPECT_EQ(observer.take(), "");
    EXPECT_TRUE(model.select(w[1]));
    EXPECT_EQ(observer.take(), "cur 1");
    EXPECT_FALSE(model.select(w[7]));
    EXPECT_FALSE(model.selectIndex(2));
    EXPECT_FALSE(model.selectIndex(-1));
    EXPECT_EQ(model.currentIndex(), 1);
}

TEST_F(WindowBarModelTest, OutsideIndexesYieldNoWindow) {
    fill(model, w, {"A"}, 0);
    EXPECT_EQ(model.windowAt(-1), nullptr);
    EXPECT_EQ(model.windowAt(1), nullptr);
    EXPECT_EQ(model.tabAt(1), nullptr);
    EXPECT_EQ(model.indexOf(w[5]), -1);
}

TEST_F(WindowBarModelTest, TextsAreCleanedAndChangesReported) {
    fill(model, w, {"A"}, 0);
    observer.take();
    model.setText(w[0], "hello%20world");
    EXPECT_EQ(model.tabAt(0)->text, "hello world");
    model.setText(w[0], QString(70, QLatin1Char('x')));
    EXPECT_EQ(model.tabAt(0)->text, QString(61, QLatin1Char('x')) + "...");
    model.setText(w[0], QString(70, QLatin1Char('x')));
    EXPECT_EQ(observer.take(), "chg 0 text, chg 0 text");
    EXPECT_FALSE(model.setText(w[3], "nobody"));
}

TEST_F(WindowBarModelTest, ProgressSetsTextAndPictureTogether) {
    fill(model, w, {"A", "B"}, 0);
    observer.take();
    EXPECT_TRUE(model.setProgress(w[1], 50, {"Page", true, false}));
    EXPECT_EQ(model.describe(true), "A:0* Page:4");
    EXPECT_EQ(observer.take(), "chg 1 text+image");

    EXPECT_TRUE(model.setProgress(w[1], 50, {"Page", true, true}));
    EXPECT_EQ(model.describe(true), "A:0* Page:14!");
    EXPECT_EQ(observer.take(), "chg 1 image");

    // Repeating the same state tells nobody.
    EXPECT_TRUE(model.setProgress(w[1], 50, {"Page", true, true}));
    EXPECT_EQ(observer.take(), "");

    // Out-of-range percents change nothing.
    EXPECT_FALSE(model.setProgress(w[1], 101, {"X", false, false}));
    EXPECT_FALSE(model.setProgress(w[1], -2, {"X", false, false}));
    EXPECT_FALSE(model.setProgress(w[5], 10, {"X", false, false}));
    EXPECT_EQ(model.describe(true), "A:0* Page:14!");
}

TEST_F(WindowBarModelTest, CurrentTabCompleteShowsBusyOrRest) {
    fill(model, w, {"A", "B"}, 0);
    model.setProgress(w[0], 100, {"A", true, false});
    EXPECT_EQ(model.tabAt(0)->image, 8);
    model.setProgress(w[0], 100, {"A", false, false});
    EXPECT_EQ(model.tabAt(0)->image, 9);
    EXPECT_EQ(model.tabAt(0)->percent, -1);
    model.setProgress(w[0], -1, {"A", true, true});
    EXPECT_EQ(model.tabAt(0)->image, 18);

    // Another tab shows 100 as the full step and -1 as rest, busy or not.
    model.setProgress(w[1], 100, {"B", false, false});
    EXPECT_EQ(model.tabAt(1)->image, 8);
    model.setProgress(w[1], -1, {"B", true, false});
    EXPECT_EQ(model.tabAt(1)->image, 9);
}

TEST_F(WindowBarModelTest, LockMarkFollowsTheLockState) {
    fill(model, w, {"A"}, 0);
    model.setProgress(w[0], 50, {"A", true, false});
    observer.take();
    model.setLockMark(w[0], true);
    EXPECT_EQ(model.describe(true), "A:14!*");
    model.setLockMark(w[0], true);
    EXPECT_EQ(model.tabAt(0)->image, 14);
    model.setLockMark(w[0], false);
    EXPECT_EQ(model.describe(true), "A:4*");
    EXPECT_EQ(observer.take(), "chg 0 image, chg 0 image");
}

TEST_F(WindowBarModelTest, PreviousAndNextWrapAround) {
    fill(model, w, {"A", "B", "C"}, 0);
    EXPECT_EQ(model.previousWindow(), w[2]);
    EXPECT_EQ(model.nextWindow(), w[1]);
    EXPECT_EQ(model.nextWindow(w[2]), w[0]);
    EXPECT_EQ(model.previousWindow(w[2]), w[1]);
    EXPECT_EQ(model.nextWindow(w[9]), nullptr);

    WindowBarModel single;
    single.insert(w[0], true);
    EXPECT_EQ(single.previousWindow(), w[0]);
    EXPECT_EQ(single.nextWindow(), w[0]);
    WindowBarModel empty;
    EXPECT_EQ(empty.previousWindow(), nullptr);
    EXPECT_EQ(empty.nextWindow(), nullptr);
}

TEST_F(WindowBarModelTest, RemovedObserversHearNothing) {
    model.removeObserver(&observer);
    model.insert(w[0], true);
    EXPECT_TRUE(observer.events.isEmpty());
}
