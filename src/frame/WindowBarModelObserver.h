#pragma once

#include "frame/WindowBarTab.h"

// Told of every change of a WindowBarModel, after the model has changed, so
// that a tab widget can follow it. Indexes are tab positions at the moment of
// the notification. An observer may read the model from a notification but
// must not add or remove observers there.
class WindowBarModelObserver {
public:
    // Bits of tabChanged's what.
    static constexpr unsigned kTextChanged = 0x1;
    static constexpr unsigned kImageChanged = 0x2;

    virtual ~WindowBarModelObserver() = default;

    // A tab was inserted at index; the tabs from index on moved one place up.
    virtual void tabInserted(int index) { (void)index; }
    // The tab at index, which carried window, was removed; the tabs after it
    // moved one place down (the current tab keeps being current unless it was
    // the one removed, and then currentChanged follows).
    virtual void tabRemoved(int index, TabWindow window) {
        (void)index;
        (void)window;
    }
    // Another tab became current; index is -1 only when no tab is left.
    virtual void currentChanged(int index) { (void)index; }
    // Text and/or image (bits above) of the tab at index changed.
    virtual void tabChanged(int index, unsigned what) {
        (void)index;
        (void)what;
    }
};
