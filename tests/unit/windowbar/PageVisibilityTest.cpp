#include "frame/PageVisibility.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Show = ChildWindowShow;

// The windows of a window area, topmost first, written one letter each:
// n normal, m maximised, i minimised, h hidden; an upper-case letter marks
// the active window. The answer comes back the same way: 1 seen, 0 not.
std::string seen(MainWindowShow main, const std::string& windows) {
    std::vector<ChildWindowState> states;
    for (char c : windows) {
        ChildWindowState state;
        state.active = c >= 'A' && c <= 'Z';
        switch (c | 0x20) {
        case 'm':
            state.show = Show::Maximized;
            break;
        case 'i':
            state.show = Show::Minimized;
            break;
        case 'h':
            state.show = Show::Hidden;
            break;
        default:
            state.show = Show::Normal;
            break;
        }
        states.push_back(state);
    }
    std::string answer;
    for (bool visible : visiblePages(main, states))
        answer += visible ? '1' : '0';
    return answer;
}

std::string seen(const std::string& windows) {
    return seen(MainWindowShow::Normal, windows);
}

} // namespace

TEST(PageVisibility, AMaximisedWindowCoversEveryWindowBeneathIt) {
    EXPECT_EQ(seen("Mnnnn"), "10000");
    EXPECT_EQ(seen("Mmmm"), "1000");
    // Windows above the maximised one are still seen (an always-shown one
    // raised over it, a normal one stacked above while it is inactive).
    EXPECT_EQ(seen("nMn"), "110");
    EXPECT_EQ(seen("Nmn"), "110");
    // Only the first maximised window counts; beneath it all is covered.
    EXPECT_EQ(seen("nmNm"), "1110");
}

TEST(PageVisibility, OverlappingNormalWindowsAllCountAsSeen) {
    EXPECT_EQ(seen("Nnnn"), "1111");
    EXPECT_EQ(seen("nnnN"), "1111");
    EXPECT_EQ(seen(""), "");
}

TEST(PageVisibility, MinimisedAndHiddenWindowsShowNoPageAndCoverNothing) {
    EXPECT_EQ(seen("inhn"), "0101");
    // A maximised window that is not shown covers nothing.
    EXPECT_EQ(seen("hMn"), "010");
    // Minimised above a maximised one: the maximised one is still seen.
    EXPECT_EQ(seen("imn"), "010");
    EXPECT_EQ(seen("iiii"), "0000");
}

TEST(PageVisibility, TheActiveWindowIsSeenWhereverItStandsWhenShown) {
    EXPECT_EQ(seen("mnN"), "101");
    EXPECT_EQ(seen("mmM"), "101");
    // ... but not while it is minimised or hidden.
    EXPECT_EQ(seen("mI"), "10");
    EXPECT_EQ(seen("mH"), "10");
}

TEST(PageVisibility, NothingIsSeenWhileTheMainWindowIsMinimisedOrHidden) {
    for (MainWindowShow main : {MainWindowShow::Minimized, MainWindowShow::Hidden}) {
        EXPECT_EQ(seen(main, "Mnnn"), "0000");
        EXPECT_EQ(seen(main, "nNn"), "000");
        EXPECT_EQ(seen(main, ""), "");
    }
}
