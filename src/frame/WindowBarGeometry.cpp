#include "frame/WindowBarGeometry.h"

#include <algorithm>

namespace {

int gapOf(const TabStripInput& input) {
    return input.flat ? kFlatTabGap : 0;
}

int outerWidth(int itemWidth) {
    return std::max(itemWidth, 0) + kTabPadding;
}

void layoutOneRow(const TabStripInput& input, TabStripLayout& out) {
    const int n = static_cast<int>(input.itemWidths.size());
    const int first = std::clamp(input.firstVisible, 0, std::max(n - 1, 0));
    const int gap = gapOf(input);
    // The offset that puts tab first at the margin.
    int offset = 0;
    for (int i = 0; i < first; ++i)
        offset += outerWidth(input.itemWidths[static_cast<std::size_t>(i)]) + gap;
    int x = kTabStripMargin - offset;
    for (int i = 0; i < n; ++i) {
        const int w = outerWidth(input.itemWidths[static_cast<std::size_t>(i)]);
        out.rects.emplace_back(x, kTabRowTop, w, input.itemHeight);
        x += w + gap;
    }
    out.rows = n > 0 ? 1 : 0;
    out.contentWidth = n > 0 ? x - gap + offset - kTabStripMargin : 0;
    out.overflow = n > 0 && (first > 0 || out.rects.back().right() >= input.clientWidth);
}

void layoutRows(const TabStripInput& input, TabStripLayout& out) {
    const int gap = gapOf(input);
    const int pitch = input.itemHeight + kTabRowGap;
    int x = kTabStripMargin;
    int row = 0;
    int widest = 0;
    bool rowEmpty = true;
    for (int itemWidth : input.itemWidths) {
        const int w = outerWidth(itemWidth);
        if (!rowEmpty && x + w > input.clientWidth) {
            widest = std::max(widest, x - gap - kTabStripMargin);
            ++row;
            x = kTabStripMargin;
        }
        out.rects.emplace_back(x, kTabRowTop + row * pitch, w, input.itemHeight);
        x += w + gap;
        rowEmpty = false;
    }
    if (!rowEmpty) {
        widest = std::max(widest, x - gap - kTabStripMargin);
        out.rows = row + 1;
    }
    out.contentWidth = widest;
}

} // namespace

TabStripLayout layoutTabStrip(const TabStripInput& input) {
    TabStripLayout out;
    out.rects.reserve(input.itemWidths.size());
    if (input.multiRow)
        layoutRows(input, out);
    else
        layoutOneRow(input, out);
    return out;
}

int tabAtPoint(const TabStripLayout& layout, const QPoint& point, int visibleRight) {
    if (layout.rows == 1 && point.x() >= visibleRight)
        return -1;
    for (std::size_t i = 0; i < layout.rects.size(); ++i) {
        if (layout.rects[i].contains(point))
            return static_cast<int>(i);
    }
    return -1;
}

int firstVisibleShowing(const TabStripLayout& layout, int firstVisible, int index,
                        int visibleRight) {
    const int n = static_cast<int>(layout.rects.size());
    if (index < 0 || index >= n)
        return std::clamp(firstVisible, 0, std::max(n - 1, 0));
    if (index <= firstVisible)
        return index;
    // Scroll right one tab at a time until index ends inside the view.
    int first = firstVisible;
    int shift = 0;
    const QRect target = layout.rects[static_cast<std::size_t>(index)];
    while (first < index && target.right() - shift >= visibleRight) {
        const QRect& next = layout.rects[static_cast<std::size_t>(first + 1)];
        shift = next.x() - kTabStripMargin;
        ++first;
    }
    return first;
}
