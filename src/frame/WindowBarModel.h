#pragma once

#include "frame/WindowBarTab.h"

#include <QString>

#include <vector>

class WindowBarModelObserver;

// The window bar's tabs without any widget: one tab per browser window, in
// the order shown, with the current tab, each tab's text and picture.
//
// A tab is addressed by its window (TabWindow); operations given a window
// without a tab do nothing and report false (or -1 / null). While there are
// tabs exactly one of them is current; the current index is -1 only when the
// bar is empty. Observers (not owned, must outlive their registration) are
// told of every change after it happened.
//
// Every operation is O(number of tabs) or better.
class WindowBarModel {
public:
    WindowBarModel() = default;
    WindowBarModel(const WindowBarModel&) = delete;
    WindowBarModel& operator=(const WindowBarModel&) = delete;

    void addObserver(WindowBarModelObserver* observer);
    void removeObserver(WindowBarModelObserver* observer);

    int count() const { return static_cast<int>(tabs_.size()); }
    bool isEmpty() const { return tabs_.empty(); }
    // The tab at index, null outside 0..count-1.
    const WindowBarTab* tabAt(int index) const;
    // The window of the tab at index, null outside 0..count-1.
    TabWindow windowAt(int index) const;
    // The index of window's tab, -1 when it has none (or window is null).
    int indexOf(TabWindow window) const;
    int currentIndex() const { return current_; }
    TabWindow currentWindow() const { return windowAt(current_); }
    // The windows in tab order.
    std::vector<TabWindow> windows() const;

    // Adds a tab for window: directly after the tab of after when after is
    // given and has a tab, otherwise at the end. The tab starts with no text
    // and image 0. With select, or when it is the only tab, it becomes
    // current. Returns the new index; -1 (and nothing changes) for a null
    // window or one that already has a tab.
    int insert(TabWindow window, bool select, TabWindow after = nullptr);
    // Removes window's tab. When it was current, the tab that takes its place
    // becomes current (the one after it, or the new last tab).
    bool remove(TabWindow window);
    // Makes window's tab current.
    bool select(TabWindow window);
    // Makes the tab at index current; false outside 0..count-1.
    bool selectIndex(int index);

    // Sets the tab text to tabDisplayText(text).
    bool setText(TabWindow window, const QString& text);
    // Shows percent (-1 or 0..100; other values are ignored and give false)
    // with the window's state: the text is taken anew from state, the
    // current tab's 100 and -1 follow the busy rule, and the picture is the
    // step for the shown percent, with the lock mark when state is locked.
    bool setProgress(TabWindow window, int percent, const TabWindowState& state);
    // Adds or removes the lock mark of window's picture.
    bool setLockMark(TabWindow window, bool locked);

    // The window to activate for "previous" from window's tab (null window:
    // from the current tab): the tab before it, the last tab from the first.
    // Null when window has no tab or the bar is empty.
    TabWindow previousWindow(TabWindow from = nullptr) const;
    // The same for "next": the tab after it, the first tab from the last.
    TabWindow nextWindow(TabWindow from = nullptr) const;

    // The strip as one line for tests and diagnostics: the tab texts ("-"
    // for an empty one) separated by blanks, each followed by ":image" when
    // withImages, "!" when locked and "*" when current. E.g. "A B!* C".
    QString describe(bool withImages = false) const;

private:
    int fromIndex(TabWindow from) const;
    void setCurrent(int index);
    void changeTab(int index, const QString& text, int image, int percent);

    std::vector<WindowBarTab> tabs_;
    int current_ = -1;
    std::vector<WindowBarModelObserver*> observers_;
};
