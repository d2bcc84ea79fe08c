#include "frame/WindowBarGeometry.h"
#include "frame/WindowBarLayout.h"

#include <gtest/gtest.h>

namespace {

TabStripInput strip(int width, std::vector<int> items, bool flat = true, bool multiRow = false) {
    TabStripInput input;
    input.clientWidth = width;
    input.itemWidths = std::move(items);
    input.flat = flat;
    input.multiRow = multiRow;
    return input;
}

} // namespace

TEST(WindowBarGeometryTest, OneRowPutsTabsSideBySide) {
    const TabStripLayout flat = layoutTabStrip(strip(500, {90, 40, 60}));
    ASSERT_EQ(flat.rects.size(), 3u);
    EXPECT_EQ(flat.rows, 1);
    EXPECT_EQ(flat.rects[0], QRect(kTabStripMargin, kTabRowTop, 96, 22));
    // Flat buttons stand a gap apart, tabs touch.
    EXPECT_EQ(flat.rects[1].x(), flat.rects[0].right() + 1 + kFlatTabGap);
    const TabStripLayout tabs = layoutTabStrip(strip(500, {90, 40, 60}, false));
    EXPECT_EQ(tabs.rects[1].x(), tabs.rects[0].right() + 1);
    EXPECT_FALSE(flat.overflow);
    EXPECT_EQ(flat.contentWidth, flat.rects[2].right() + 1 - kTabStripMargin);

    const TabStripLayout none = layoutTabStrip(strip(500, {}));
    EXPECT_EQ(none.rows, 0);
    EXPECT_TRUE(none.rects.empty());
    EXPECT_FALSE(none.overflow);
}

TEST(WindowBarGeometryTest, FittedWidthsAlwaysFitTheBar) {
    // Whatever the count, tabs of the fitted width end inside the bar, so
    // one row never needs scrolling once the width is fitted.
    for (int width : {120, 333, 1000, 1600}) {
        for (int n = 1; n <= 200; ++n) {
            const std::optional<QSize> size = fittedTabSize(width, n, 150);
            ASSERT_TRUE(size);
            if (size->width() == kNarrowestFittedTab)
                continue; // too many tabs: the narrowest width may overflow
            const TabStripLayout layout =
                layoutTabStrip(strip(width, std::vector<int>(static_cast<std::size_t>(n),
                                                             size->width())));
            EXPECT_FALSE(layout.overflow) << width << " px, " << n << " tabs";
            EXPECT_LT(layout.rects.back().right(), width);
        }
    }
}

TEST(WindowBarGeometryTest, SeveralRowsWrapAndMatchTheBandHeight) {
    // 96-pixel tabs 3 apart: four fit into 400 pixels.
    const TabStripLayout layout =
        layoutTabStrip(strip(400, std::vector<int>(10, 90), true, true));
    EXPECT_EQ(layout.rows, 3);
    EXPECT_EQ(layout.rects[3].y(), layout.rects[0].y());
    EXPECT_EQ(layout.rects[4].x(), kTabStripMargin);
    EXPECT_EQ(layout.rects[4].y(), layout.rects[0].y() + 22 + kTabRowGap);
    EXPECT_EQ(layout.rects[9].y(), layout.rects[8].y());
    EXPECT_FALSE(layout.overflow);
    // The last row ends exactly at the bottom of the band.
    EXPECT_EQ(layout.rects.back().bottom() + 1, windowBarBandHeight(layout.rows, 22));

    // A tab wider than the bar still gets a row of its own, and one row per
    // such tab, never an empty row.
    const TabStripLayout wide = layoutTabStrip(strip(50, {200, 200, 10}, true, true));
    EXPECT_EQ(wide.rows, 3);
    EXPECT_EQ(wide.rects[2].y(), wide.rects[1].y() + 25);
}

TEST(WindowBarGeometryTest, HitTestingSkipsGapsAndCoveredTabs) {
    const TabStripLayout layout = layoutTabStrip(strip(300, {90, 90, 90, 90}));
    EXPECT_TRUE(layout.overflow);
    EXPECT_EQ(tabAtPoint(layout, layout.rects[1].center(), 1000), 1);
    EXPECT_EQ(tabAtPoint(layout, {layout.rects[0].right() + 2, 10}, 1000), -1); // in the gap
    EXPECT_EQ(tabAtPoint(layout, {10, 40}, 1000), -1);                          // below the row
    // The part under the scroll buttons belongs to no tab.
    EXPECT_EQ(tabAtPoint(layout, {layout.rects[2].x() + 5, 10}, layout.rects[2].x()), -1);
}

TEST(WindowBarGeometryTest, ScrollingBringsATabIntoView) {
    TabStripInput input = strip(300, std::vector<int>(8, 90));
    const int visibleRight = 268; // two 16-pixel scroll buttons
    TabStripLayout layout = layoutTabStrip(input);
    const int first = firstVisibleShowing(layout, 0, 7, visibleRight);
    EXPECT_GT(first, 0);
    input.firstVisible = first;
    layout = layoutTabStrip(input);
    EXPECT_LT(layout.rects[7].right(), visibleRight);
    EXPECT_GE(layout.rects[7].x(), kTabStripMargin);
    EXPECT_EQ(layout.rects[static_cast<std::size_t>(first)].x(), kTabStripMargin);
    EXPECT_TRUE(layout.overflow); // tabs lie left of the bar
    // As little as needed: one tab less would leave tab 7 cut off.
    input.firstVisible = first - 1;
    EXPECT_GE(layoutTabStrip(input).rects[7].right(), visibleRight);

    // A tab left of the view becomes the first; one in view changes nothing.
    EXPECT_EQ(firstVisibleShowing(layout, first, 1, visibleRight), 1);
    EXPECT_EQ(firstVisibleShowing(layout, first, first + 1, visibleRight), first);
    EXPECT_EQ(firstVisibleShowing(layout, first, 99, visibleRight), first);
}
