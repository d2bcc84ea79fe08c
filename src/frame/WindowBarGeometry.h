#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

// Where the window bar puts its tabs, without a widget: one row that can be
// scrolled sideways, or as many rows as the tabs need.
//
// A tab's rectangle is its item width plus kTabPadding wide and its item
// height high. Tabs follow each other from kTabStripMargin on, kFlatTabGap
// apart in the flat style and touching otherwise. Rows are the item height
// plus kTabRowGap apart and start one pixel down, so n rows take exactly
// the band height of windowBarBandHeight (n x (height + 3) - 2).

inline constexpr int kTabPadding = 6;
inline constexpr int kTabStripMargin = 2;
inline constexpr int kFlatTabGap = 3;
inline constexpr int kTabRowGap = 3;
inline constexpr int kTabRowTop = 1;

struct TabStripInput {
    int clientWidth = 0;         // the width the tabs may use
    std::vector<int> itemWidths; // one per tab, in tab order
    int itemHeight = 22;
    bool flat = true;
    bool multiRow = false;
    // One row only: the tab shown first at the left; the tabs before it lie
    // left of the bar (negative x). Clamped to the tabs.
    int firstVisible = 0;
};

struct TabStripLayout {
    std::vector<QRect> rects; // one per tab
    int rows = 0;             // 0 without tabs
    // One row only: some tab reaches past clientWidth or lies left of it.
    bool overflow = false;
    // The width all tabs of the one row take side by side (multi-row: the
    // widest row).
    int contentWidth = 0;
};

TabStripLayout layoutTabStrip(const TabStripInput& input);

// The index of the tab whose rectangle contains point, -1 for none. In one
// row only the part left of visibleRight counts (the rest is covered by the
// scroll buttons); pass a large value when nothing covers the row.
int tabAtPoint(const TabStripLayout& layout, const QPoint& point, int visibleRight);

// The first visible tab after scrolling so that tab index lies wholly in
// view between x = kTabStripMargin and visibleRight, changing firstVisible
// as little as possible. rects must have been laid out with firstVisible.
int firstVisibleShowing(const TabStripLayout& layout, int firstVisible, int index,
                        int visibleRight);
