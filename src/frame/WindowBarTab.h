#pragma once

#include "frame/WindowBarTabRules.h"

#include <QString>

// The browser window a tab stands for, as an opaque handle: the window bar
// compares it and hands it back but never follows or owns it. Null is "no
// window".
using TabWindow = const void*;

// One tab of the window bar.
struct WindowBarTab {
    TabWindow window = nullptr;
    QString text;    // as shown (tabDisplayText applied)
    int image = 0;   // 0..19, see WindowBarTabRules.h
    int percent = 0; // the percent last shown: 0..100 or -1
    bool locked() const { return isLockedTabImage(image); }
};

// What the window bar needs from a window when it shows its progress.
struct TabWindowState {
    QString text;      // the window's tab text
    bool busy = false; // still loading
    bool locked = false;
};
